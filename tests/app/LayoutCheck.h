#pragma once

// What is wrong with a window's layout as it is shown: controls side by side
// that overlap or run past their frame, captions that are cut, number boxes
// too narrow for their longest value, lists too narrow for an entry.

#include <QString>
#include <set>

class QWidget;

namespace tavo::test {

// Adds to `faults`, each prefixed with `where`, what is wrong with `root`.
void CheckLayout(QWidget* root, const QString& where, std::set<QString>& faults);

// One failure per fault (the first 40), and how many there were.
void ReportLayoutFaults(const std::set<QString>& faults);

}  // namespace tavo::test
