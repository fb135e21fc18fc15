#pragma once
// The rows of the notes list and the view over them: which rows the filter lets through, in
// which order. Kept apart from the window so that the list's behaviour is tested without one.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "notelist/NoteRow.h"

enum class RowColumn { Text = 0, Changed = 1, Alarm = 2 };

class RowModel {
public:
    using Reader = std::function<NoteRow(const NoteFileStamp&)>;

    // Brings the rows up to the folder's listing: a file whose stamps changed, or a new one,
    // is read again through `read`; a file gone loses its row. True when anything changed.
    bool Update(const std::vector<NoteFileStamp>& listing, const Reader& read);

    // The filter as typed; the view is rebuilt.
    void SetFilter(const std::string& filter);
    const std::string& Filter() const { return m_filter; }
    const std::vector<std::string>& FoldedTerms() const { return m_terms; }

    // Sorts by that column; the same column again turns the order round.
    void SortBy(RowColumn column);
    void SetSort(RowColumn column, bool ascending);
    RowColumn SortColumn() const { return m_sortColumn; }
    bool SortAscending() const { return m_ascending; }

    // The rows the filter lets through, in order.
    size_t ViewSize() const { return m_view.size(); }
    const NoteRow& ViewRow(size_t index) const { return m_rows[m_view[index]].row; }
    // The view index of the row of `name`; -1 when it is not in view.
    int ViewIndexOf(const std::string& name) const;
    size_t RowCount() const { return m_rows.size(); }

private:
    struct Entry {
        NoteRow row;
        std::string folded; // the text (or problem) folded for matching
        std::string sortText;
    };
    void Rebuild();
    bool Less(const Entry& a, const Entry& b) const;

    std::vector<Entry> m_rows; // by name, as listed
    std::vector<size_t> m_view;
    std::string m_filter;
    std::vector<std::string> m_terms;
    RowColumn m_sortColumn = RowColumn::Changed;
    bool m_ascending = false;
};

// The text of a cell; the note's column shows its first line or what kept it from being read.
std::string CellText(const NoteRow& row, RowColumn column);
