#pragma once
// The user's corrections to the plan, movie by movie: for an entry of the
// library, a value for each field the user set. An edit is the highest
// source of the file Generate writes for that movie: the plan lays it over
// what the name, the folders and the template give before it settles the
// shows and composes the text, so the file is written by the same rules
// as every other. A movie whose own metadata file exists takes its edits
// into that file instead (ApplyEditsTo), every other line kept.
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/library/PlannedKeys.h"
#include "core/metadata/MetadataDocument.h"
#include "core/metadata/MetadataFormat.h"

// What a user can set for a movie. Values are held as the grid shows them
// (NormalizeEdit): kind "movie" or "episode"; season and episode digits;
// a date "YYYY" or "YYYY-MM-DD"; ratings as the codes files hold ("P3",
// "x5"), empty for none; genres and actors separated by commas.
enum class EditField {
    Kind,
    Show,
    Season,
    Episode,
    EpisodeTitle,
    Date,
    Description,
    StarRating,
    MpaaRating,
    TvRating,
    Genres,
    Actors,
};
constexpr int kEditFieldCount = static_cast<int>(EditField::Actors) + 1;

// The field's name for the user: "show", "episode title".
const char* EditFieldName(EditField field);

// The edits of one movie: a value for each field set, none for the others.
// Kept small: a library of 100,000 movies may carry an edit for each.
class MovieEdits {
public:
    // The field's value; nullptr when the user did not set it.
    const std::string* Find(EditField field) const;
    // Sets the field, or with nullopt clears it.
    void Set(EditField field, std::optional<std::string> value);
    bool Empty() const { return values_.empty(); }
    const std::vector<std::pair<EditField, std::string>>& Values() const { return values_; }

private:
    std::vector<std::pair<EditField, std::string>> values_;  // in field order
};

// The limits of the numbers a user sets.
constexpr int kMaxEditSeason = 99;
constexpr int kMaxEditEpisode = 9999;

// The typed text as the value the field keeps, spaces around it dropped;
// false with a message for the user when the field cannot take it (a
// season that is no number from 0 to 99, a date that is no day, an empty
// show, a kind other than movie or episode). A line break in a text
// becomes a space: a value keeps to its line of the file.
bool NormalizeEdit(EditField field, const std::string& typed, std::string& value, std::string& problem);

class PlanEdits {
public:
    // Sets or clears (nullopt) one field of an entry's edits.
    void Set(const std::string& entry, EditField field, std::optional<std::string> value);
    // The value set; nullptr when there is none.
    const std::string* Find(const std::string& entry, EditField field) const;
    // The entry's edits; nullptr when it has none.
    const MovieEdits* Of(const std::string& entry) const;
    void Clear(const std::string& entry) { edits_.erase(entry); }
    bool Empty() const { return edits_.empty(); }
    // How many movies have edits.
    size_t Count() const { return edits_.size(); }
    // The entries that have edits, in no particular order.
    std::vector<std::string> Entries() const;

private:
    std::unordered_map<std::string, MovieEdits> edits_;
};

// What an episode's number says: pyTivo's episodeNumber "104" is season 1
// episode 4, "7" episode 7 of no season; kNoNumber where it says nothing.
void SplitEpisodeNumber(const std::string& number, int& season, int& episode);

// The edits as a layer over the movie's file (PlannedKeys.h): the lines of
// the edited fields' keys from composed, the movie's file composed with
// its edits, written whatever other files give. A key an edit cleared
// (genres, a date) comes with an empty value, so the template's lines of
// it go too.
PlanValueLayer EditLayer(const std::vector<MetadataKeyLine>& composed, const MovieEdits& edits);
// The layer's origin, as the plan tells the user.
extern const char kEditOrigin[];

// The template with the shared values the movie's edits set.
MetadataTemplate EditedTemplate(const MetadataTemplate& metadata, const MovieEdits& edits);
// The edits into the movie's own metadata file, field by field; its other
// lines stay as they are.
void ApplyEditsTo(MetadataDocument& document, const MovieEdits& edits);
