#include "common/ui/BusyCursor.h"

#include <QApplication>
#include <QCursor>

namespace zoruka::ui {

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

} // namespace zoruka::ui
