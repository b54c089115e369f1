#pragma once

#include "common/UserError.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"

#include <utility>

namespace zoruka::ui {

// Runs one database operation of a screen. A UserError (the store's missing, foreign, locked or
// read-only file) is shown in a warning box under the screen's title instead of escaping; the
// operation has changed nothing then. Returns whether the operation ran through.
template <class Operation>
bool runOnStore(QWidget* screen, const QString& title, Operation&& operation)
{
    try {
        std::forward<Operation>(operation)();
        return true;
    } catch (const UserError& error) {
        MessageBox::warning(screen, title, toQString(error.what()));
        return false;
    }
}

} // namespace zoruka::ui
