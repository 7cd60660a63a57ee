// The Library window's edits: values set for many rows at once, episodes
// numbered, and each action taken back as a whole.
#include <algorithm>
#include <set>

#include "core/library/LibraryGrid.h"
#include "platform/Paths.h"
#include "platform/Text.h"

std::string LibraryGrid::Unchangeable(const std::vector<RowId>& rows)
{
    ReadOwnFiles(rows);
    for (RowId row : rows) {
        const Row& at = rows_[row];
        if (at.hasOwn && at.own && !at.own->problem.empty())
            return FormatText("The metadata file of %s cannot be changed here: %s\n%s",
                              FileNameOf(entries_[row], true).c_str(), at.own->problem.c_str(),
                              OwnFilePath(row).c_str());
    }
    return std::string();
}

bool LibraryGrid::SetValue(const std::vector<RowId>& rows, EditField field, const std::string& typed,
                           std::string& problem)
{
    std::string value;
    if (!NormalizeEdit(field, typed, value, problem))
        return false;
    if (!(problem = Unchangeable(rows)).empty())
        return false;
    std::vector<EditChange> changes;
    for (RowId row : rows) {
        // A movie has a year: a day typed for one keeps its year alone.
        const bool yearOnly = field == EditField::Date && value.size() > 4 && !IsEpisode(row);
        const std::string* before = edits_.Find(entries_[row], field);
        EditChange change{row, field, before ? std::optional<std::string>(*before) : std::nullopt,
                          yearOnly ? value.substr(0, 4) : value};
        if (change.before != change.after)
            changes.push_back(std::move(change));
    }
    if (changes.empty())
        return true;
    Apply(changes, false);
    history_.push_back(std::move(changes));
    return true;
}

bool LibraryGrid::NumberEpisodes(const std::vector<RowId>& rows, int start, std::string& problem)
{
    const long long last = static_cast<long long>(start) + static_cast<long long>(rows.size()) - 1;
    if (start < 0 || last > kMaxEditEpisode) {
        problem = FormatText("Numbered from %d, %d episodes would end past %d, the highest episode number.", start,
                             static_cast<int>(rows.size()), kMaxEditEpisode);
        return false;
    }
    if (!(problem = Unchangeable(rows)).empty())
        return false;
    std::vector<EditChange> changes;
    const auto change = [&](RowId row, EditField field, const std::string& value) {
        const std::string* before = edits_.Find(entries_[row], field);
        EditChange made{row, field, before ? std::optional<std::string>(*before) : std::nullopt, value};
        if (made.before != made.after)
            changes.push_back(std::move(made));
    };
    int number = start;
    for (RowId row : rows) {
        if (!IsEpisode(row))
            change(row, EditField::Kind, "episode");
        change(row, EditField::Episode, std::to_string(number++));
    }
    if (!changes.empty()) {
        Apply(changes, false);
        history_.push_back(std::move(changes));
    }
    return true;
}

std::vector<RowId> LibraryGrid::Undo()
{
    if (history_.empty())
        return {};
    const std::vector<EditChange> changes = std::move(history_.back());
    history_.pop_back();
    Apply(changes, true);
    std::vector<RowId> rows;
    for (const EditChange& change : changes)
        rows.push_back(change.row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void LibraryGrid::Apply(const std::vector<EditChange>& changes, bool undo)
{
    bool plan = false;
    // Taken back in the reverse order: a row's kind and number of one
    // action end as they were.
    const auto apply = [&](const EditChange& change) {
        edits_.Set(entries_[change.row], change.field, undo ? change.before : change.after);
        plan = plan || change.field == EditField::Kind || change.field == EditField::Show;
    };
    if (undo)
        std::for_each(changes.rbegin(), changes.rend(), apply);
    else
        std::for_each(changes.begin(), changes.end(), apply);
    if (plan)
        Plan();
}

std::vector<RowId> LibraryGrid::EditedRows() const
{
    std::vector<RowId> rows;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (edits_.Of(entries_[i]))
            rows.push_back(static_cast<RowId>(i));
    }
    return rows;
}

void LibraryGrid::Written(const std::vector<RowId>& rows)
{
    const std::set<RowId> written(rows.begin(), rows.end());
    bool plan = false;
    for (RowId row : rows) {
        const MovieEdits* edits = edits_.Of(entries_[row]);
        plan = plan || (edits && (edits->Find(EditField::Kind) || edits->Find(EditField::Show)));
        edits_.Clear(entries_[row]);
        Row& at = rows_[row];
        at.hasOwn = true;
        if (!at.ownInMeta)
            at.state = RowState::Own;
        RereadOwnFile(row);
    }
    for (std::vector<EditChange>& action : history_)
        action.erase(std::remove_if(action.begin(), action.end(),
                                    [&](const EditChange& change) { return written.count(change.row) > 0; }),
                     action.end());
    history_.erase(std::remove_if(history_.begin(), history_.end(),
                                  [](const std::vector<EditChange>& action) { return action.empty(); }),
                   history_.end());
    if (plan)
        Plan();
}
