#pragma once
// Whether a typed text may be the name of a list. A list is a pair of files named after it, so the
// name must be a file name on Windows and on Linux alike: lists are carried between the two.
#include <QString>
#include <functional>

class QDateTime;

namespace store {

enum class ListNameRefusal {
    None,
    TooShort,         // fewer than 3 characters
    ForbiddenChar,    // \ / : * ? " < > | or a control character
    TrailingSpaceDot, // ends in a space or a full stop (Windows drops them)
    ReservedName,     // CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension
    LeadingDot,       // a hidden file on Linux: the list would seem to vanish
    TooLong,          // the file name would pass the file system's limit (bytes, not characters)
};

constexpr int MinListNameLength = 3;

ListNameRefusal checkListName(const QString &name);
// The message telling the user why name was refused ("" for None).
QString listNameRefusalMessage(ListNameRefusal refusal, const QString &name);

// A name for a copy of the list called name kept at the time when, which checkListName accepts
// and taken refuses: "Verbs (kept 2026-12-10 14-03)", then "Verbs (kept 2026-12-10 14-03) 2", ...
// Characters a list name cannot hold are replaced and the name shortened to fit.
QString keptCopyName(const QString &name, const QDateTime &when, const std::function<bool(const QString &)> &taken);

} // namespace store
