#include "core/library/NameParser.h"

#include <cstring>
#include <vector>

#include "core/library/NameWords.h"
#include "platform/Text.h"

using namespace name_words;

namespace {

// A season of four digits is the year a daily or yearly show numbers its
// seasons by ("S2012E05"); any other four digits are no season.
bool IsSeasonYear(int season)
{
    return season >= 1900 && season <= 2100;
}

// Characters that show nothing but may turn a title round or hide in it:
// control characters, the soft hyphen, zero-width spaces, marks and
// overrides of writing direction, word joiners, the byte-order mark. (The
// zero-width joiners stay: scripts and emoji need them.)
bool IsInvisible(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || c == 0x180E || c == 0x200B || c == 0x200E ||
           c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

// Spaces that do not break a line, and the typographic spaces.
bool IsSpaceThatBinds(char32_t c)
{
    return c == 0xA0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F;
}

// Where the name says which episode it is: tokens [at, end).
struct Mark {
    size_t at = 0;
    size_t end = 0;
    int season = kNoNumber;
    int first = kNoNumber;
    int last = kNoNumber;
    CalendarDate date;
};

// "E02", "EP02", then more episodes to the end of the text: "E02E03",
// "E02-E03", "E02-03", "E02-S01E03" (the season again).
bool ReadEpisodes(const std::string& text, size_t i, size_t fewestDigits, Mark& mark)
{
    if (i >= text.size() || Lower(text[i]) != 'e')
        return false;
    if (++i < text.size() && Lower(text[i]) == 'p')
        ++i;
    int first = 0;
    if (!ReadNumber(text, i, fewestDigits, 3, first))
        return false;
    int last = first;
    while (i < text.size()) {
        const bool dash = text[i] == '-';
        if (dash)
            ++i;
        if (i < text.size() && Lower(text[i]) == 's') {
            int again = 0;
            if (!ReadNumber(text, ++i, 1, 4, again) || again != mark.season || i >= text.size() ||
                Lower(text[i]) != 'e')
                return false;
        }
        const bool marked = i < text.size() && Lower(text[i]) == 'e';
        if (marked)
            ++i;
        int next = 0;
        if ((!dash && !marked) || !ReadNumber(text, i, 1, 3, next))
            return false;
        last = next > last ? next : last;
    }
    mark.first = first;
    mark.last = last;
    return true;
}

// "S01E02" (and more episodes after it) or "S2012E05".
bool ReadSeasonEpisode(const std::string& text, Mark& mark)
{
    size_t i = 1;
    int season = 0;
    if (text.size() < 4 || Lower(text[0]) != 's')
        return false;
    const size_t digits = ReadDigits(text, i, season);
    if (digits == 0 || digits == 3 || digits > 4 || (digits == 4 && !IsSeasonYear(season)))
        return false;
    mark.season = season;
    return ReadEpisodes(text, i, 1, mark);
}

// "1x02", "01x02-03", "1x02-1x03", "1x02x03": a season of one or two
// digits, episodes of two or three (so "1920x1080" is a picture size).
bool ReadCrossEpisodes(const std::string& text, Mark& mark)
{
    size_t i = 0;
    int season = 0;
    int first = 0;
    if (!ReadNumber(text, i, 1, 2, season) || i >= text.size() || Lower(text[i]) != 'x' ||
        !ReadNumber(text, ++i, 2, 3, first))
        return false;
    int last = first;
    while (i < text.size()) {
        if (text[i] != '-' && Lower(text[i]) != 'x')
            return false;
        int next = 0;
        size_t digits = ReadDigits(text, ++i, next);
        if (i < text.size() && Lower(text[i]) == 'x') {
            if (digits == 0 || next != season)
                return false;
            digits = ReadDigits(text, ++i, next);
        }
        if (digits < 2 || digits > 3)
            return false;
        last = next > last ? next : last;
    }
    mark.season = season;
    mark.first = first;
    mark.last = last;
    return true;
}

bool ReadWordMark(const std::string& text, Mark& mark)
{
    return ReadSeasonEpisode(text, mark) || ReadCrossEpisodes(text, mark);
}

// A season and episode at tokens[i]: in one word ("S01E02", "1x02") or in
// words ("S01 E02", "Season 1 Episode 2", "Staffel 1 - E02").
bool ReadSeasonMark(const Tokens& tokens, size_t i, Mark& mark)
{
    mark = Mark();
    mark.at = i;
    mark.end = i + 1;
    if (ReadWordMark(tokens[i].text, mark))
        return true;
    // Season words end in their number ("S01", "Season1") or stand before it.
    size_t next = i + 1;
    const std::string& text = tokens[i].text;
    int season = IsDigit(text.back()) ? SeasonOfFolderName(text) : kNoNumber;
    if (season == kNoNumber && next < tokens.size() && IsAllDigits(tokens[next].text)) {
        season = SeasonOfFolderName(text + ' ' + tokens[next].text);
        ++next;
    }
    if (season == kNoNumber || (season >= 1000 && !IsSeasonYear(season)))
        return false;
    mark.season = season;
    if (next < tokens.size() && IsDash(tokens[next].text))
        ++next;
    if (next < tokens.size() && ReadEpisodes(tokens[next].text, 0, 1, mark)) {
        mark.end = next + 1;
        return true;
    }
    int episode = 0;
    if (next + 1 < tokens.size() && (Is(tokens[next].text, "episode") || Is(tokens[next].text, "ep")) &&
        IsNumber(tokens[next + 1].text, 1, 3, episode)) {
        mark.first = mark.last = episode;
        mark.end = next + 2;
        return true;
    }
    return false;
}

// More episodes of the season in the words after the mark:
// "S01E01.S01E02", "S01E01 - E02", "1x01_1x02".
void ExtendEpisodes(const Tokens& tokens, Mark& mark)
{
    while (mark.end < tokens.size()) {
        size_t next = mark.end;
        if (IsDash(tokens[next].text) && next + 1 < tokens.size())
            ++next;
        Mark more;
        more.season = mark.season;
        const bool read =
            ReadWordMark(tokens[next].text, more) || ReadEpisodes(tokens[next].text, 0, 1, more);
        if (!read || more.season != mark.season || more.first <= mark.last)
            return;
        mark.last = more.last;
        mark.end = next + 1;
    }
}

// "2012-03-04" in one word (brackets around it allowed) or "2012.03.04" in
// three. shaped tells that the words look like a date, real or not.
bool ReadDateMark(const Tokens& tokens, size_t i, Mark& mark, bool& shaped)
{
    const std::string& word = tokens[i].text;
    if (!IsDigit(word[0]) && !(word.size() > 1 && IsDigit(word[1])))
        return false;
    const std::string text = TrimmedOf(word, "()[]");
    CalendarDate date;
    size_t at = 0;
    if (text.size() == 10 && ReadNumber(text, at, 4, 4, date.year) && text[at] == '-' &&
        ReadNumber(text, ++at, 2, 2, date.month) && text[at] == '-' &&
        ReadNumber(text, ++at, 2, 2, date.day)) {
        mark.end = i + 1;
    } else if (i + 2 < tokens.size() && tokens[i + 1].before != ' ' && tokens[i + 2].before != ' ' &&
               IsNumber(text, 4, 4, date.year) && IsNumber(tokens[i + 1].text, 2, 2, date.month) &&
               IsNumber(tokens[i + 2].text, 2, 2, date.day)) {
        mark.end = i + 3;
    } else {
        return false;
    }
    shaped = shaped || IsYear(date.year);
    if (!IsYear(date.year) || !IsCalendarDate(date.year, date.month, date.day))
        return false;
    mark.at = i;
    mark.date = date;
    return true;
}

// An episode number without a season: "1" to "9999" ("12v2" a second
// release of it), a year being no episode.
bool IsEpisodeNumber(const std::string& text, int& episode)
{
    size_t i = 0;
    const size_t digits = ReadDigits(text, i, episode);
    if (i < text.size() && Lower(text[i]) == 'v' && i + 1 < text.size()) {
        int version = 0;
        ReadDigits(text, ++i, version);
    }
    return digits >= 1 && digits <= 4 && i == text.size() && !(digits == 4 && IsYear(episode));
}

// "第5話", "第5话", "第5集": the fifth episode in Japanese and Chinese.
bool IsCjkEpisode(const std::string& text, int& episode)
{
    static const char kOrdinal[] = "\xE7\xAC\xAC";
    static const char* const kCounters[] = {"\xE8\xA9\xB1", "\xE8\xAF\x9D", "\xE9\x9B\x86"};
    size_t i = 3;
    if (text.compare(0, 3, kOrdinal) != 0 || !ReadNumber(text, i, 1, 4, episode) || text.size() != i + 3)
        return false;
    for (const char* counter : kCounters) {
        if (text.compare(i, 3, counter) == 0)
            return true;
    }
    return false;
}

// Episodes numbered without a season: "E05", "EP05", "第5話", a number
// after a lone dash ("Show - 012"), a number first before a dash or with a
// dot ("01 - Pilot", "01. Pilot"). A release year after the number makes it
// part of a movie's title ("300 - Rise of an Empire (2014)").
bool ReadNumberMark(const Tokens& tokens, size_t i, Mark& mark)
{
    mark = Mark();
    const std::string& text = tokens[i].text;
    int episode = 0;
    size_t at = i;
    if (ReadEpisodes(text, 0, 2, mark) || IsCjkEpisode(text, episode)) {
        if (mark.first == kNoNumber)
            mark.first = mark.last = episode;
        mark.at = i;
        mark.end = i + 1;
        return true;
    }
    if (IsDash(text) && i > 0 && i + 1 < tokens.size() && IsEpisodeNumber(tokens[i + 1].text, episode)) {
        at = i + 1;
    } else if (i == 0 && tokens.size() > 1) {
        const bool dotted = text.back() == '.';
        if (!IsNumber(dotted ? text.substr(0, text.size() - 1) : text, 1, 3, episode) ||
            !(dotted || IsDash(tokens[1].text)))
            return false;
    } else {
        return false;
    }
    for (size_t later = at + 1; later < tokens.size(); ++later) {
        if (ReleaseYearOf(tokens[later]) != 0)
            return false;
    }
    mark.at = at;
    mark.end = at + 1;
    mark.first = mark.last = episode;
    return true;
}

// Where the name says which episode it is, in the order of trust: a season
// and episode, then an air date, then a bare episode number.
bool FindMark(const Tokens& tokens, Mark& mark, bool& dateShaped)
{
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (ReadSeasonMark(tokens, i, mark)) {
            ExtendEpisodes(tokens, mark);
            return true;
        }
    }
    for (size_t i = 0; i < tokens.size(); ++i) {
        mark = Mark();
        if (ReadDateMark(tokens, i, mark, dateShaped))
            return true;
    }
    if (dateShaped)
        return false;  // a date that does not exist is no episode number either
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (ReadNumberMark(tokens, i, mark))
            return true;
    }
    return false;
}

// The show's name: the words before the mark, without a year at their end
// (which becomes the show's year) when it stands as a release year and
// something comes before it ("1923.S01E01" is a show of that name).
std::string ShowName(const Tokens& tokens, size_t end, int& year)
{
    while (end > 0 && IsDash(tokens[end - 1].text))
        --end;
    if (end >= 2 && ReleaseYearOf(tokens[end - 1]) != 0)
        year = ReleaseYearOf(tokens[--end]);
    return Join(tokens, 0, end);
}

// The last release year before the tags that follows at least one word of
// the title ("2001 A Space Odyssey" has none); a year between spaces counts
// only right before a tag ("Movie Name 2012 1080p").
void ReadMovie(const Tokens& tokens, ParsedName& parsed)
{
    const size_t tag = EndOfTitle(tokens, 1, false);
    size_t yearAt = 0;
    for (size_t i = 1; i < tag; ++i) {
        bool bracketed = false;
        const int year = YearOf(tokens[i].text, bracketed);
        const bool rightBeforeTag = i + 1 == tag && tag < tokens.size();
        if (year != 0 && (ReleaseYearOf(tokens[i]) != 0 || rightBeforeTag)) {
            parsed.year = year;
            yearAt = i;
        }
    }
    const size_t end = yearAt != 0 ? yearAt : tag;
    if (end >= tokens.size())
        return;  // neither a year nor a tag: a name of its own
    parsed.title = Join(tokens, 0, end);
    if (yearAt != 0 && !parsed.title.empty())
        parsed.kind = ParsedName::Kind::Movie;
    else
        parsed.year = 0;
}

}  // namespace

std::string TitleTextOf(const std::string& name)
{
    std::string text;
    text.reserve(name.size());
    for (size_t at = 0; at < name.size();) {
        const size_t start = at;
        const char32_t c = NextCharacter(name, at);
        if (IsSpaceThatBinds(c) || c == U'\t')
            text += ' ';
        else if (!IsInvisible(c))
            text.append(name, start, at - start);
    }
    return TrimmedOf(text, " ");
}

ParsedName ParseTitleText(const std::string& rawName)
{
    const std::string name = TitleTextOf(rawName);
    ParsedName parsed;
    const Tokens tokens = Split(name);
    if (tokens.empty() || IsCameraName(tokens))
        return parsed;
    Mark mark;
    bool dateShaped = false;
    if (FindMark(tokens, mark, dateShaped)) {
        parsed.kind = ParsedName::Kind::Episode;
        parsed.title = ShowName(tokens, mark.at, parsed.year);
        parsed.season = mark.season;
        parsed.episode = mark.first;
        parsed.lastEpisode = mark.last;
        parsed.airDate = mark.date;
        // "S01E02.REPACK.Title": a release mark may stand before the title too.
        size_t from = mark.end;
        while (from < tokens.size() && IsReleaseTag(tokens[from].text))
            ++from;
        parsed.episodeTitle = Join(tokens, from, EndOfTitle(tokens, from, true));
    } else if (!dateShaped) {
        ReadMovie(tokens, parsed);
    }
    return parsed;
}

ParsedName ParseMovieName(const std::string& fileName)
{
    const size_t dot = fileName.rfind('.');
    return ParseTitleText(dot == std::string::npos ? fileName : fileName.substr(0, dot));
}

int SeasonOfFolderName(const std::string& name)
{
    if (Is(name, "specials"))
        return 0;
    // "s" last: the words above begin with it.
    static const char* const kWords[] = {"season",  "series", "staffel",  "saison", "temporada", "stagione",
                                         "seizoen", "sezon",  "sesong",   "kausi",  "säsong",    "sæson",
                                         "Сезон",   "сезон",  "シーズン", "s"};
    for (const char* word : kWords) {
        if (!StartsWithIgnoringAsciiCase(name, word))
            continue;
        std::string number = name.substr(std::strlen(word));
        if (word[1] != '\0' && !number.empty() && (number[0] == ' ' || number[0] == '_'))
            number.erase(0, 1);
        int season = 0;
        if (IsNumber(number, 1, 4, season))
            return season;
    }
    return kNoNumber;
}

std::string EpisodeNumberText(int season, int episode)
{
    const std::string number = std::to_string(episode);
    if (season == 0)
        return number;
    return std::to_string(season) + (episode < 10 ? "0" : "") + number;
}
