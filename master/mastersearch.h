#pragma once
// Searching the descriptions of the master list; the match itself is the list search's
// (session/wordmatch.h).
#include "master/mastertables.h"
#include "session/wordmatch.h"

#include <QList>
#include <QString>

namespace master {

// Long enough to search for: at least 2 characters.
bool isValidMasterSearchText(const QString &text);
extern const QString SearchPlaceholder; // "Enter search text", the search box's prompt

// The positions (0-based, in master-list order) of the entries whose description matches.
QList<int> searchMaster(const MasterTable &master, const DescriptionMatcher &matcher);

} // namespace master
