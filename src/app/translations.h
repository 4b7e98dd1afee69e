// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace lanternreel {

// Puts the program's texts and Qt's own (its dialogs and buttons) into the language of the
// locale, where a translation ships; English stays where none does.
void installTranslations(QCoreApplication &application);

} // namespace lanternreel
