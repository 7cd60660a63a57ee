#pragma once
// TMDB's answers kept on disk in the user's cache folder, one file per
// request (tmdb/<hash>.json: a line of JSON with the request and the time
// it was answered, then the answer as it came), each written whole. A file that cannot be read is named
// once and its request asked again; a folder that cannot be written is
// named once and the run goes on without keeping answers. Safe to use
// from several threads at once.
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

class WorkFolder;

class TmdbCache {
public:
    // folder: the user's cache folder (UserCacheFolder()); made when the
    // first answer is kept. Empty: no cache at all.
    explicit TmdbCache(std::string folder);
    ~TmdbCache();
    TmdbCache(const TmdbCache&) = delete;
    TmdbCache& operator=(const TmdbCache&) = delete;

    struct Entry {
        std::string answer;  // TMDB's JSON object as it came
        long long savedAt = 0;  // seconds since 1970-01-01 UTC
    };
    // The answer kept for the request (TmdbQuery::Text()); false when there
    // is none or it cannot be read.
    bool Find(const std::string& request, Entry& entry);
    // Keeps the answer, replacing one kept before.
    void Keep(const std::string& request, const std::string& answer, long long now);

    // The file a request's answer is kept in.
    std::string PathOf(const std::string& request) const;
    // Names a kept answer that cannot be read, once; its request is asked again.
    void Unreadable(const std::string& path, const std::string& why);
    // Lines for the user that came up since the last call, each said once.
    std::vector<std::string> TakeNotices();

private:
    void Notice(const std::string& line);

    // Whether the folder holds a file of the name: from one reading of the
    // folder, since under Wine every look for a name that is not there
    // reads the whole folder.
    bool Holds(const std::string& name);

    std::string folder_;  // the cache's own folder: <cache>/tmdb
    std::mutex mutex_;
    bool listed_ = false;
    std::set<std::string> names_;
    std::unique_ptr<WorkFolder> work_;
    bool writable_ = true;
    std::set<std::string> said_;
    std::vector<std::string> notices_;
};
