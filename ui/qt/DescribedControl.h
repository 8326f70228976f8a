#pragma once

#include "forms/FormDescription.h"

#include <QString>

class QWidget;

namespace jestrel
{

inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption as it shows: each "&" that marks the next letter left out, "&&" as one "&".
QString shownCaption(const QString &caption);

// Gives a control what its form's description says of it: its name, place, font, whether it is
// enabled, its tooltip, which is also its accessible name, and a label's or a button's caption. A
// label's caption is plain text, wrapped, aligned as described.
void describe(QWidget &control, const forms::ControlDescription &description);

// Gives a window its name and caption and its client area's size.
void describe(QWidget &window, QWidget &clientArea, const forms::FormDescription &description);

} // namespace jestrel
