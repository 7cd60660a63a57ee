// TMDB on 127.0.0.1 for scripts/benchmark.sh: the fake TMDB of the tests
// with a catalogue of SHOWS shows ("Show 1", "Show 2", ...), each of
// SEASONS seasons of EPISODES episodes, answering the key "bench-key". It
// prints its base address, then serves until its standard input closes;
// GET /count answers how many TMDB requests came so far.
// Usage: tmdb-fake-server SHOWS SEASONS EPISODES
#include <cstdlib>
#include <iostream>
#include <string>

#include "support/FakeTmdb.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: tmdb-fake-server SHOWS SEASONS EPISODES\n";
        return 2;
    }
    const int shows = std::atoi(argv[1]);
    const int seasons = std::atoi(argv[2]);
    const int episodes = std::atoi(argv[3]);
    FakeTmdb tmdb("bench-key");
    for (int s = 1; s <= shows; ++s) {
        FakeShow show;
        show.id = 1000 + s;
        show.name = "Show " + std::to_string(s);
        show.firstAirDate = "2001-01-01";
        show.overview = "A show for the benchmark.";
        show.genres = {"Drama"};
        show.usRating = "TV-14";
        show.cast = {"First Actor", "Second Actor"};
        for (int season = 1; season <= seasons; ++season) {
            for (int e = 1; e <= episodes; ++e) {
                FakeEpisode episode;
                episode.number = e;
                episode.name = "Episode " + std::to_string(e);
                episode.airDate = std::to_string(2000 + season) + "-01-01";
                episode.overview = "What happens in this episode.";
                episode.directors = {"A Director"};
                episode.guestStars = {"A Guest"};
                show.seasons[season].push_back(episode);
            }
        }
        tmdb.AddShow(show);
    }
    tmdb.AnswerWith([&tmdb](const FakeRequest& request) -> std::optional<FakeReply> {
        if (request.path != "/count")
            return std::nullopt;
        FakeReply reply;
        reply.body = std::to_string(tmdb.RequestCount() - tmdb.CountOf("/count")) + "\n";
        return reply;
    });
    std::cout << tmdb.BaseUrl() << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}
