#pragma once

#include "RegisterScreenSupport.h"

#include "common/ui/MessageBox.h"

#include <QPushButton>
#include <QTest>

#include <memory>

namespace zoruka::test {

// What a test of an accounts screen holds: a fresh club database, the message boxes scripted,
// and the screen (made for that database) under test, found by the names of its controls.
template <class Screen> class ScreenFixture {
public:
    // A new database, before every test; fill it, then open().
    void start()
    {
        m_folder = std::make_unique<TempFolder>();
        Database::openOrCreate(location());
        m_boxes = std::make_unique<ui::MessageBox::Script>();
    }

    // Opens the screen on the database; whether it is on show.
    [[nodiscard]] bool open()
    {
        m_screen = std::make_unique<Screen>(location());
        m_screen->show();
        return QTest::qWaitForWindowExposed(m_screen.get());
    }

    // After every test.
    void stop()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    DatabaseLocation location() const { return m_folder->location(); }
    const TempFolder& folder() const { return *m_folder; }
    ui::MessageBox::Script& boxes() { return *m_boxes; }
    Screen& screen() { return *m_screen; }

    template <class Widget> Widget* find(const char* name) const
    {
        Widget* widget = m_screen->template findChild<Widget*>(QString::fromUtf8(name));
        Q_ASSERT(widget);
        return widget;
    }

    void press(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

private:
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<ui::MessageBox::Script> m_boxes;
    std::unique_ptr<Screen> m_screen;
};

} // namespace zoruka::test
