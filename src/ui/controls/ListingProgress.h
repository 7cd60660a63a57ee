#pragma once
// Listing the movies of a folder and every folder below it for a window:
// once the walk takes a while a progress window shows it (standing for the
// window meanwhile, as a modal one would), and its Cancel stops the walk.
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "core/folders/FolderIndex.h"

class ActivityLog;
class OtherSourceViews;

// The movies as ListMoviesBelow gives them (with views, what other files
// give them); false when the walk was stopped (Cancel, or stop when given,
// asked at every folder). window: the window the walk works for, disabled
// while the progress shows.
bool ListMoviesShowingProgress(const std::string& folder, ActivityLog& log, HWND window,
                               std::vector<MovieListing>& movies, const std::function<bool()>& stop = nullptr,
                               OtherSourceViews* views = nullptr);
