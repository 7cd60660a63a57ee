#pragma once
// reelmark-cli against the fake TMDB on 127.0.0.1 (its sample catalogue),
// with a cache folder of the test's own and a small library: an episode in
// a season folder, a downloads folder with an ambiguous show and a daily
// show, and a movie.
#include <memory>
#include <string>

#include "cli/CliFixture.h"
#include "support/EnvironmentScope.h"
#include "support/FakeTmdb.h"

inline constexpr char kKey[] = "0123456789abcdef0123456789abcdef";
inline constexpr char kWrongKey[] = "ffffffffffffffffffffffffffffffff";

class CliTmdbFixture : public CliFixture {
protected:
    CliTmdbFixture() : url_("REELMARK_TMDB_URL", tmdb.BaseUrl()), key_("REELMARK_TMDB_KEY", "")
    {
        UseCache("cache");
        AddSampleCatalogue(tmdb);
        dir.WriteFile("Library\\Doctor Who (2005)\\Season 1\\Doctor.Who.S01E01.Rose.mkv");
        dir.WriteFile("Library\\Downloads\\The.Office.S01E01.mkv");
        dir.WriteFile("Library\\Downloads\\The.Daily.Show.2012.03.04.mkv");
        dir.WriteFile("Library\\Heat (1995).mkv");
    }

    // The user's cache folder: a folder of the test's own.
    void UseCache(const std::string& name)
    {
        cache_.reset();
#ifdef _WIN32
        cache_ = std::make_unique<EnvironmentScope>("LOCALAPPDATA", dir / name);
#else
        cache_ = std::make_unique<EnvironmentScope>("XDG_CACHE_HOME", dir / name);
#endif
    }

    FakeTmdb tmdb{kKey};
    std::unique_ptr<EnvironmentScope> cache_;
    EnvironmentScope url_;
    EnvironmentScope key_;
};
