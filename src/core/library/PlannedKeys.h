#pragma once
// A movie's metadata file decided key by key against what the other files
// pyTivo reads give the movie: its .nfo (and the show's tvshow.nfo), its
// .properties, every default.txt, the ".meta" files, and whatever else the
// pyTivo view reads (tags inside the movie). pyTivo reads Reelmark's file
// after all of them but the ".meta" ones, so a key the file holds covers the
// value another file gave: the library's own .nfo or default.txt is the
// better value, and the file adds only what no other file gives, unless
// the user wants the whole template written over them.
#include <string>
#include <vector>

#include "core/metadata/MetadataFormat.h"

struct PyTivoView;

// What Generate does where other files describe a movie.
enum class OtherFiles {
    AddWhatTheyLack,  // the file holds only the keys no other file gives
    WholeTemplate,    // the whole template, as the file always was
};

// One key of a movie's file and how it stands against the other files.
struct PlannedKey {
    enum class Other {
        None,    // no other file gives it: the file adds it
        Before,  // file gives it and pyTivo reads file first: written, it hides that value
        After,   // file gives it and pyTivo reads file later (".meta"): the TiVo shows that value
    };
    std::string key;
    std::vector<std::string> values;  // the key's lines in the file, in order (several for a "v" key)
    bool written = true;
    Other other = Other::None;
    std::string file;    // the other file (Before, After)
    std::string origin;  // the layer that gave the values (PlanValueLayer); empty: the template and the name

    // Whether a value is not empty: an empty line gives pyTivo nothing.
    bool HasValue() const;
};

// Values of Reelmark's own beyond the template and the name, laid over the
// composed file before the keys are decided: each key's lines take the
// place of the composed ones of that key, or follow the last line.
//   A lookup (an online database's answer) fills what the template would:
//   the library's own files still win (overOtherFiles false).
//   An edit the user made for one movie is written whatever other files
//   give (overOtherFiles true); a file read later still wins on the TiVo,
//   which the key reports (Other::After).
struct PlanValueLayer {
    std::string origin;  // for the user: "TMDB", "your edit"
    std::vector<MetadataKeyLine> lines;
    bool overOtherFiles = false;
};

// The keys of a movie's file: lines as composed (ComposeMetadataLines),
// the layers over them in order; others the movie's pyTivo view without
// Reelmark's own file (ReadOtherSources), nullptr when no other file gives
// it anything. moviePath tells pyTivo's own values (the title from the
// file name, the date from the file's time) from those of other files.
//
// Without others every key is written: the file is the composed one. With
// them, a key another file gives is left to it (AddWhatTheyLack) or written
// over it (WholeTemplate), and a key that a file read later sets is left
// to that file (AddWhatTheyLack). Beside other files an empty line adds
// nothing and is left out. Two keys go together: a seriesTitle is what the
// TiVo lists before the title, so it covers a title another file gives;
// and an episode that has an air date from any file gets no movieYear,
// which pyTivo would send instead of the date.
std::vector<PlannedKey> PlanKeys(const std::vector<MetadataKeyLine>& lines, const std::vector<PlanValueLayer>& layers,
                                 bool movieLayout, const PyTivoView* others, const std::string& moviePath,
                                 OtherFiles mode);

// The text of the written keys' lines.
std::string WrittenText(const std::vector<PlannedKey>& keys);

// Whether no written key has a value: the file would add nothing.
bool AddsNothing(const std::vector<PlannedKey>& keys);

// What the keys do, counted: values added that no other file gives, values
// of other files hidden (and those files), values that files read later
// show instead (and those files).
struct KeyCounts {
    int adds = 0;
    int hides = 0;
    int shownLater = 0;
    std::vector<std::string> hiddenFiles;
    std::vector<std::string> laterFiles;
};
KeyCounts CountKeys(const std::vector<PlannedKey>& keys);

// The plan line of a movie's file: "adds 3 values", "hides 2 values from
// Movie.nfo", "nothing to add", and "1 value shown from .meta/default.txt";
// files named from the movie's folder; the values of Reelmark's own
// sources among those it adds after them ("adds 9 values (6 from TMDB)").
std::string KeysLine(const std::vector<PlannedKey>& keys, const std::string& moviePath);
// What a file without other files beside it takes from Reelmark's own
// sources: "6 values from TMDB"; empty when it takes nothing from them.
std::string LayersLine(const std::vector<PlannedKey>& keys);
