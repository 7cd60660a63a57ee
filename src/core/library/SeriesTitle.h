#pragma once
// The show a folder of episodes stands for, from the folders' names: a
// season folder ("Season 1", "Specials") is part of the show above it.
#include <string>

// The series title of the movies in the folder at relativeFolder below the
// movie folder (movieFolder, a full path; relativeFolder "" for the movie
// folder itself, whose title is topTitle, the Series Title the user sees):
// the folder's own name, or for a season folder (SeasonOfFolderName) the
// title of the folder above it. When the movie folder is itself a season
// folder and topTitle is still its own name, the folder above it gives the
// title ("D:\TV\Dr Who\Season 1" gives "Dr Who"). A season folder with no
// named folder above it (under a drive root) keeps its own name.
std::string SeriesTitleOfFolder(const std::string& movieFolder, const std::string& relativeFolder,
                                const std::string& topTitle);
