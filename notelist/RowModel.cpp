#include "notelist/RowModel.h"

#include <string.h>

#include <algorithm>

#include "notelist/TextMatch.h"

namespace {

bool SameStamp(const NoteFileStamp& a, const NoteFileStamp& b) {
    return a.written == b.written && a.size == b.size && a.settingsWritten == b.settingsWritten;
}

std::string FormatChanged(unsigned long long written) {
    if (written == 0) return std::string();
    FILETIME utc{static_cast<DWORD>(written), static_cast<DWORD>(written >> 32)};
    FILETIME local;
    SYSTEMTIME t;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &t))
        return std::string();
    char date[64], time[32];
    if (!GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, sizeof date) ||
        !GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &t, nullptr, time, sizeof time))
        return std::string();
    return std::string(date) + " " + time;
}

} // namespace

std::string CellText(const NoteRow& row, RowColumn column) {
    switch (column) {
    case RowColumn::Text:
        if (!row.problem.empty()) return row.stamp.name + " " + row.problem;
        return FirstLine(row.text);
    case RowColumn::Changed:
        return row.changed.empty() ? FormatChanged(row.stamp.written) : row.changed;
    case RowColumn::Alarm:
        return row.alarm;
    }
    return std::string();
}

bool RowModel::Update(const std::vector<NoteFileStamp>& listing, const Reader& read) {
    bool changed = listing.size() != m_rows.size();
    std::vector<Entry> rows;
    rows.reserve(listing.size());
    // Both are sorted by name: walk them side by side.
    size_t old = 0;
    for (const NoteFileStamp& stamp : listing) {
        while (old < m_rows.size() &&
               _stricmp(m_rows[old].row.stamp.name.c_str(), stamp.name.c_str()) < 0) {
            ++old;
            changed = true;
        }
        if (old < m_rows.size() && _stricmp(m_rows[old].row.stamp.name.c_str(),
                                            stamp.name.c_str()) == 0 &&
            SameStamp(m_rows[old].row.stamp, stamp)) {
            rows.push_back(std::move(m_rows[old++]));
            continue;
        }
        changed = true;
        Entry entry;
        entry.row = read(stamp);
        entry.row.changed = FormatChanged(stamp.written);
        entry.folded = FoldCase(entry.row.problem.empty() ? entry.row.text
                                                          : entry.row.stamp.name + " " +
                                                                entry.row.problem);
        entry.sortText = FoldCase(CellText(entry.row, RowColumn::Text));
        rows.push_back(std::move(entry));
    }
    m_rows = std::move(rows);
    if (changed) Rebuild();
    return changed;
}

void RowModel::SetFilter(const std::string& filter) {
    m_filter = filter;
    m_terms = FilterTerms(FoldCase(filter));
    Rebuild();
}

void RowModel::SortBy(RowColumn column) {
    if (column == m_sortColumn) {
        m_ascending = !m_ascending;
    } else {
        m_sortColumn = column;
        // Newest first is what a user looks for by date; text from A.
        m_ascending = column == RowColumn::Text;
    }
    Rebuild();
}

void RowModel::SetSort(RowColumn column, bool ascending) {
    m_sortColumn = column;
    m_ascending = ascending;
    Rebuild();
}

int RowModel::ViewIndexOf(const std::string& name) const {
    for (size_t i = 0; i < m_view.size(); ++i) {
        if (_stricmp(m_rows[m_view[i]].row.stamp.name.c_str(), name.c_str()) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

bool RowModel::Less(const Entry& a, const Entry& b) const {
    int order = 0;
    switch (m_sortColumn) {
    case RowColumn::Text:
        order = a.sortText.compare(b.sortText);
        break;
    case RowColumn::Changed:
        order = a.row.stamp.written < b.row.stamp.written   ? -1
                : a.row.stamp.written > b.row.stamp.written ? 1
                                                             : 0;
        break;
    case RowColumn::Alarm:
        // Notes without an alarm after those with one, whichever the direction.
        if (a.row.alarm.empty() != b.row.alarm.empty()) return b.row.alarm.empty();
        order = a.row.alarm.compare(b.row.alarm);
        break;
    }
    if (order != 0) return m_ascending ? order < 0 : order > 0;
    // Ties in name order, so that a refresh never shuffles equal rows.
    return _stricmp(a.row.stamp.name.c_str(), b.row.stamp.name.c_str()) < 0;
}

void RowModel::Rebuild() {
    m_view.clear();
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (MatchesAll(m_rows[i].folded, m_terms)) m_view.push_back(i);
    }
    std::sort(m_view.begin(), m_view.end(),
              [this](size_t a, size_t b) { return Less(m_rows[a], m_rows[b]); });
}
