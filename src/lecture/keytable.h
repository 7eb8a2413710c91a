#pragma once

#include <QKeyCombination>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

namespace lecture
{

class WindowKeys;

// The kinds of window a key can act in.
enum Window : unsigned {
    Menu = 1,
    Synthesis = 2,
    Parameters = 4,
    Credits = 8,
    // The workshop: a synthesis window that also takes its signal from files, so its kind is
    // Synthesis | Workshop.
    Workshop = 16,
    Demonstrations = Synthesis | Parameters | Credits | Workshop,
    Everywhere = Menu | Demonstrations,
};

// One row of the key table: the keys (each layout's code where a letter differs), what the help
// overlay says about them, where they act, and what they do. A row without an action only
// appears in the help overlay and leaves the key to the focused widget.
struct KeyRow {
    QList<QKeyCombination> keys;
    const char *description; // the Russian source of its translations
    unsigned windows;
    std::function<void(WindowKeys &, Qt::Key)> action;

    // The description in the chosen language.
    QString shownDescription() const;
};

// Every key the lecturer has, in the order the help overlay lists them; the first row that names
// a key for the window's kind takes it.
const std::vector<KeyRow> &keyTable();

// A key as the help overlay writes it.
QString keyName(QKeyCombination key);

} // namespace lecture
