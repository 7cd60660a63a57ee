#include "core/lookup/TmdbLookup.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "core/library/LibraryPlan.h"
#include "core/library/PlannedKeys.h"
#include "core/lookup/TmdbCache.h"
#include "core/lookup/TmdbClient.h"
#include "core/lookup/TmdbMatch.h"
#include "core/lookup/TmdbValues.h"
#include "platform/Text.h"

namespace {

using State = LookupOutcome::State;

// The most candidates an unmatched file lists.
constexpr size_t kMostCandidates = 10;

// The files of one show or one movie, looked up together.
struct Title {
    TmdbKind kind;
    std::string name;
    int year;
    std::vector<size_t> items;
};

// What the threads share while they look up.
struct Run {
    const std::vector<LookupItem>& items;
    TmdbClient& client;
    const TmdbMatches& matches;
    std::vector<LookupOutcome>& outcomes;
    std::atomic<int> titlesDone{0};
    std::atomic<int> unmatched{0};
};

std::string Quoted(const std::string& name)
{
    return "\"" + name + "\"";
}

std::string EpisodeText(int season, int episode)
{
    return FormatText("S%02dE%02d", season, episode);
}

void Unmatch(Run& run, const std::vector<size_t>& items, const std::string& reason,
             const std::vector<TmdbCandidate>& candidates = {})
{
    for (const size_t item : items) {
        LookupOutcome& outcome = run.outcomes[item];
        outcome.state = State::Unmatched;
        outcome.reason = reason;
        outcome.candidates = candidates;
        ++run.unmatched;
    }
}

// Why a request had no answer, for the files that needed it; nothing
// stopped: the caller stops the lookup and the files stay not looked up.
bool Answered(Run& run, const TmdbFetched& fetched, const std::vector<size_t>& items, const std::string& what)
{
    switch (fetched.state) {
    case TmdbFetched::State::Answer:
        return true;
    case TmdbFetched::State::Stopped:
        return false;
    case TmdbFetched::State::NotFound:
        Unmatch(run, items, what);
        return false;
    default:
        Unmatch(run, items, "no usable answer from TMDB: " + fetched.why);
        return false;
    }
}

// The show or movie the title stands for: the user's choice, else the one
// candidate of a search that leaves no doubt. False when there is none
// (the files are unmatched with the candidates, or stay not looked up).
bool FindTitle(Run& run, const Title& title, long long& id)
{
    id = run.matches.Find(title.kind, title.name, title.year);
    if (id > 0)
        return true;
    const bool show = title.kind == TmdbKind::Show;
    std::vector<TmdbCandidate> candidates;
    const TmdbFetched found = run.client.Fetch(
        show ? SearchShowsQuery(title.name, title.year) : SearchMoviesQuery(title.name, title.year),
        [&](const std::string& body, std::string& why) { return ReadTmdbSearch(body, title.kind, candidates, why); });
    if (!Answered(run, found, title.items, "TMDB's search for " + Quoted(title.name) + " found nothing"))
        return false;
    const TmdbChoice choice = ChooseCandidate(title.name, title.year, title.kind, candidates);
    if (!choice.matched) {
        if (candidates.size() > kMostCandidates)
            candidates.resize(kMostCandidates);
        Unmatch(run, title.items, choice.reason, candidates);
        return false;
    }
    id = choice.candidate.id;
    return true;
}

TmdbCandidate CandidateOf(long long id, const std::string& name, const std::string& originalName,
                          const std::string& date, const std::string& overview)
{
    TmdbCandidate candidate;
    candidate.id = id;
    candidate.name = name;
    candidate.originalName = originalName;
    candidate.date = date;
    candidate.year = YearOfDate(date);
    candidate.overview = overview;
    return candidate;
}

// The show's or movie's own answer, read by read; false when there is none
// (its files unmatched, or left when the lookup stops).
bool FetchTitle(Run& run, const Title& title, const TmdbClient::Reader& read)
{
    long long id = 0;
    if (!FindTitle(run, title, id))
        return false;
    const bool show = title.kind == TmdbKind::Show;
    const TmdbFetched fetched = run.client.Fetch(show ? ShowQuery(id) : MovieQuery(id), read);
    return Answered(run, fetched, title.items,
                    std::string("TMDB has no ") + (show ? "show" : "movie") + " of the id " + std::to_string(id) +
                        " chosen for " + Quoted(title.name));
}

void LookUpMovie(Run& run, const Title& title)
{
    TmdbMovie movie;
    if (!FetchTitle(run, title,
                    [&movie](const std::string& body, std::string& why) { return ReadTmdbMovie(body, movie, why); }))
        return;
    const PyTivoValues values = MovieValues(movie);
    for (const size_t item : title.items) {
        LookupOutcome& outcome = run.outcomes[item];
        outcome.state = State::Matched;
        outcome.match = CandidateOf(movie.id, movie.title, movie.originalTitle, movie.releaseDate, movie.overview);
        outcome.values = values;
    }
}

// The seasons of one show as its files need them, each asked once.
class Seasons {
public:
    Seasons(Run& run, const TmdbShow& show) : run_(run), show_(show) {}

    // The season's answer; null when TMDB has none (why says so) or the
    // lookup stops (stopped).
    const TmdbSeason* Get(int number, std::string& why, bool& stopped)
    {
        auto found = seasons_.find(number);
        if (found == seasons_.end()) {
            Entry entry;
            TmdbSeason& season = entry.season;
            const TmdbFetched fetched =
                run_.client.Fetch(SeasonQuery(show_.id, number), [&season](const std::string& body, std::string& why) {
                    return ReadTmdbSeason(body, season, why);
                });
            entry.stopped = fetched.state == TmdbFetched::State::Stopped;
            if (fetched.state == TmdbFetched::State::NotFound)
                entry.why = "TMDB lists no season " + std::to_string(number) + " of " + Quoted(show_.name);
            else if (fetched.state != TmdbFetched::State::Answer && !entry.stopped)
                entry.why = "no usable answer from TMDB: " + fetched.why;
            found = seasons_.emplace(number, std::move(entry)).first;
        }
        why = found->second.why;
        stopped = found->second.stopped;
        return why.empty() && !stopped ? &found->second.season : nullptr;
    }

private:
    struct Entry {
        TmdbSeason season;
        std::string why;
        bool stopped = false;
    };
    Run& run_;
    const TmdbShow& show_;
    std::map<int, Entry> seasons_;
};

// The seasons to look through for a day, most likely first: the one that
// began last before it (and the one before that), then the next one.
std::vector<int> SeasonsAround(const TmdbShow& show, const std::string& day)
{
    std::vector<const TmdbSeasonSummary*> began;
    const TmdbSeasonSummary* next = nullptr;
    for (const TmdbSeasonSummary& season : show.seasons) {
        if (season.number == 0 || season.airDate.empty())
            continue;
        if (season.airDate <= day)
            began.push_back(&season);
        else if (!next || season.airDate < next->airDate)
            next = &season;
    }
    std::sort(began.begin(), began.end(),
              [](const TmdbSeasonSummary* a, const TmdbSeasonSummary* b) { return a->airDate > b->airDate; });
    std::vector<int> numbers;
    for (size_t i = 0; i < began.size() && i < 2; ++i)
        numbers.push_back(began[i]->number);
    if (next)
        numbers.push_back(next->number);
    return numbers;
}

// The episodes of one file; false with why when TMDB does not list them.
bool EpisodesOf(const LookupItem& item, const TmdbShow& show, Seasons& seasons,
                std::vector<const TmdbEpisode*>& episodes, std::string& why, bool& stopped)
{
    if (!item.airDate.empty()) {
        for (const int number : SeasonsAround(show, item.airDate)) {
            const TmdbSeason* season = seasons.Get(number, why, stopped);
            if (stopped)
                return false;
            if (!season)
                continue;
            for (const TmdbEpisode& episode : season->episodes) {
                if (episode.airDate == item.airDate)
                    episodes.push_back(&episode);
            }
            if (!episodes.empty())
                break;
        }
        if (episodes.size() == 1)
            return true;
        why = episodes.empty() ? "TMDB lists no episode of " + Quoted(show.name) + " that aired on " + item.airDate
                               : std::to_string(episodes.size()) + " episodes of " + Quoted(show.name) +
                                     " aired on " + item.airDate;
        episodes.clear();
        return false;
    }
    if (item.season < 0 || item.episode < 0) {
        why = "the file's name gives no season and episode and no air date";
        return false;
    }
    const TmdbSeason* season = seasons.Get(item.season, why, stopped);
    if (!season)
        return false;
    for (int number = item.episode; number <= std::max(item.episode, item.lastEpisode); ++number) {
        const auto found = std::find_if(season->episodes.begin(), season->episodes.end(),
                                        [number](const TmdbEpisode& episode) { return episode.number == number; });
        if (found == season->episodes.end()) {
            why = "TMDB lists no episode " + EpisodeText(item.season, number) + " of " + Quoted(show.name);
            episodes.clear();
            return false;
        }
        episodes.push_back(&*found);
    }
    return true;
}

void LookUpShow(Run& run, const Title& title)
{
    TmdbShow show;
    if (!FetchTitle(run, title,
                    [&show](const std::string& body, std::string& why) { return ReadTmdbShow(body, show, why); }))
        return;
    std::string why;
    const TmdbCandidate match = CandidateOf(show.id, show.name, show.originalName, show.firstAirDate, show.overview);
    Seasons seasons(run, show);
    for (const size_t item : title.items) {
        std::vector<const TmdbEpisode*> episodes;
        bool stopped = false;
        LookupOutcome& outcome = run.outcomes[item];
        outcome.match = match;
        if (!EpisodesOf(run.items[item], show, seasons, episodes, why, stopped)) {
            if (stopped)
                return;
            Unmatch(run, {item}, why);
            continue;
        }
        outcome.state = State::Matched;
        outcome.values = EpisodeValues(show, episodes);
    }
}

// The files grouped by show or movie, in the order of their first file.
std::vector<Title> TitlesOf(const std::vector<LookupItem>& items, std::vector<LookupOutcome>& outcomes)
{
    std::vector<Title> titles;
    std::map<std::string, size_t> known;
    for (size_t i = 0; i < items.size(); ++i) {
        const LookupItem& item = items[i];
        const std::string normalized = NormalizedTitle(item.name);
        if (normalized.empty()) {
            outcomes[i].state = State::Unmatched;
            outcomes[i].reason = "the file's name gives no title to look up";
            continue;
        }
        const std::string key =
            std::to_string(static_cast<int>(item.kind)) + "|" + std::to_string(item.year) + "|" + normalized;
        const auto found = known.find(key);
        if (found != known.end()) {
            titles[found->second].items.push_back(i);
            continue;
        }
        known[key] = titles.size();
        titles.push_back({item.kind, item.name, item.year, {i}});
    }
    return titles;
}

LookupProgress ProgressOf(const Run& run, int titles)
{
    LookupProgress progress;
    progress.titles = titles;
    progress.titlesDone = run.titlesDone;
    progress.requests = run.client.RequestsSent();
    progress.fromCache = run.client.AnswersFromCache();
    progress.unmatched = run.unmatched;
    return progress;
}

}  // namespace

bool TmdbMatches::Add(const std::string& name, const std::string& id)
{
    std::string number = TrimmedOf(id);
    int kind = -1;
    for (const auto& prefix : {std::make_pair("tv/", TmdbKind::Show), std::make_pair("movie/", TmdbKind::Movie)}) {
        if (number.rfind(prefix.first, 0) == 0) {
            kind = static_cast<int>(prefix.second);
            number = number.substr(std::string(prefix.first).size());
        }
    }
    std::string bare;
    int year = 0;
    SplitNameAndYear(name, bare, year);
    if (!IsAllDigits(number) || number.size() > 12 || std::stoll(number) == 0 || NormalizedTitle(bare).empty())
        return false;
    choices_.push_back({NormalizedTitle(bare), year, kind, std::stoll(number)});
    return true;
}

long long TmdbMatches::Find(TmdbKind kind, const std::string& name, int year) const
{
    const std::string normalized = NormalizedTitle(name);
    for (const int wantedYear : {year, 0}) {
        // A later choice wins over an earlier one (--match over the settings).
        for (auto choice = choices_.rbegin(); choice != choices_.rend(); ++choice) {
            if (choice->name == normalized && choice->year == wantedYear &&
                (choice->kind < 0 || choice->kind == static_cast<int>(kind)))
                return choice->id;
        }
        if (year == 0)
            break;
    }
    return 0;
}

std::vector<LookupItem> LookupItemsOf(const LibraryPlan& plan)
{
    std::vector<LookupItem> items;
    items.reserve(plan.movies.size());
    for (const PlannedMovie& movie : plan.movies) {
        LookupItem item;
        item.kind = movie.lines.movieLayout ? TmdbKind::Movie : TmdbKind::Show;
        item.name = movie.lines.movieLayout ? movie.lines.title : movie.lines.seriesTitle;
        item.year = movie.year;
        item.season = movie.season;
        item.episode = movie.episode;
        item.lastEpisode = movie.lastEpisode;
        if (movie.airDate.IsSet())
            item.airDate = movie.airDate.Text();
        items.push_back(std::move(item));
    }
    return items;
}

void SplitNameAndYear(const std::string& text, std::string& name, int& year)
{
    name = TrimmedOf(text);
    year = 0;
    const size_t open = name.rfind('(');
    if (open == std::string::npos || name.size() - open != 6 || name.back() != ')')
        return;
    const std::string digits = name.substr(open + 1, 4);
    if (!IsAllDigits(digits) || TrimmedOf(name.substr(0, open)).empty())
        return;
    year = std::stoi(digits);
    name = TrimmedOf(name.substr(0, open));
}

LookupReport LookUpOnTmdb(const std::vector<LookupItem>& items, TmdbClient& client, const TmdbMatches& matches,
                          const std::function<bool(const LookupProgress&)>& progress)
{
    LookupReport report;
    report.outcomes.resize(items.size());
    if (client.Settings().key.empty() && !client.Settings().offline) {
        for (LookupOutcome& outcome : report.outcomes)
            outcome.reason = "no TMDB key is set";
        report.notices.push_back("No TMDB key is set: nothing was looked up.");
        return report;
    }
    Run run{items, client, matches, report.outcomes};
    const std::vector<Title> titles = TitlesOf(items, report.outcomes);
    run.unmatched = static_cast<int>(std::count_if(report.outcomes.begin(), report.outcomes.end(),
                                                   [](const LookupOutcome& o) { return o.state == State::Unmatched; }));
    std::atomic<bool> stop{false};
    client.SetStop([&stop] { return stop.load(); });
    std::atomic<size_t> next{0};
    std::mutex mutex;
    std::condition_variable done;
    const int workers = static_cast<int>(std::min<size_t>(titles.size(), std::max(1, client.Settings().atOnce)));
    int running = workers;  // counted down by the threads as they end
    std::vector<std::thread> threads;
    for (int i = 0; i < workers; ++i) {
        threads.emplace_back([&] {
            for (size_t at = next++; at < titles.size() && !stop && !client.KeyRefused(); at = next++) {
                (titles[at].kind == TmdbKind::Show ? LookUpShow : LookUpMovie)(run, titles[at]);
                ++run.titlesDone;
                done.notify_all();
            }
            std::lock_guard<std::mutex> lock(mutex);
            --running;
            done.notify_all();
        });
    }
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (running > 0) {
            done.wait_for(lock, std::chrono::milliseconds(100));
            lock.unlock();
            if (progress && !stop && !progress(ProgressOf(run, static_cast<int>(titles.size()))))
                stop = true;
            lock.lock();
        }
    }
    for (std::thread& thread : threads)
        thread.join();
    client.SetStop([] { return false; });
    report.stopped = stop;
    report.totals = ProgressOf(run, static_cast<int>(titles.size()));
    if (progress)
        progress(report.totals);
    for (LookupOutcome& outcome : report.outcomes) {
        if (outcome.state == State::NotLookedUp)
            outcome.reason = client.KeyRefused() ? client.Refusal() : "the lookup was stopped";
    }
    const std::string unreachable = client.Unreachable();
    if (!unreachable.empty())
        report.notices.push_back(unreachable + "; nothing more was asked of it.");
    if (client.KeyRefused()) {
        const std::string refusal = client.Refusal();
        report.notices.push_back(refusal + (refusal.back() == '.' ? " " : ". ") + "Nothing more was looked up.");
    }
    if (client.Cache()) {
        for (std::string& notice : client.Cache()->TakeNotices())
            report.notices.push_back(std::move(notice));
    }
    return report;
}

PlanValueLayer TmdbLayerOf(const LookupOutcome& outcome)
{
    PlanValueLayer layer;
    layer.origin = kTmdbSource;
    if (outcome.state != State::Matched)
        return layer;
    for (const auto& [key, value] : outcome.values) {
        if (value.kind != PyTivoValue::Kind::List)
            layer.lines.push_back({key, value.text});
        for (const PyTivoItem& item : value.items)
            layer.lines.push_back({key, item.text});
    }
    return layer;
}

void LayCachedValuesOver(LibraryPlan& plan, TmdbSettings tmdb, const TmdbMatches& matches, TmdbCache& cache)
{
    tmdb.offline = true;
    TmdbClient client(std::move(tmdb), &cache);
    const LookupReport report = LookUpOnTmdb(LookupItemsOf(plan), client, matches);
    for (size_t i = 0; i < plan.movies.size(); ++i) {
        if (report.outcomes[i].state != State::Matched)
            continue;
        plan.movies[i].layers.push_back(TmdbLayerOf(report.outcomes[i]));
        PlanAgainst(plan.movies[i], nullptr, OtherFiles::WholeTemplate);
    }
}

TmdbFound FindOnTmdb(const std::string& text, TmdbClient& client)
{
    TmdbFound found;
    std::string name;
    int year = 0;
    SplitNameAndYear(text, name, year);
    for (const TmdbKind kind : {TmdbKind::Show, TmdbKind::Movie}) {
        std::vector<TmdbCandidate>& list = kind == TmdbKind::Show ? found.shows : found.movies;
        const TmdbFetched fetched =
            client.Fetch(kind == TmdbKind::Show ? SearchShowsQuery(name, year) : SearchMoviesQuery(name, year),
                         [&](const std::string& body, std::string& why) { return ReadTmdbSearch(body, kind, list, why); });
        if (fetched.state != TmdbFetched::State::Answer) {
            found.why = fetched.why;
            break;
        }
    }
    return found;
}
