#include "common/ui/BuildProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace zoruka::ui {

namespace {

constexpr qint64 kQuietMilliseconds = 500;

} // namespace

BuildProgress::BuildProgress(QWidget* screen, QString label)
    : m_screen(screen), m_label(std::move(label))
{
    m_clock.start();
}

BuildProgress::~BuildProgress() = default;

void BuildProgress::report(int percent)
{
    if (!m_dialog && m_clock.elapsed() >= kQuietMilliseconds) {
        m_dialog = std::make_unique<QProgressDialog>(m_label, QString(), 0, 100, m_screen);
        m_dialog->setObjectName(QStringLiteral("SB作成中"));
        m_dialog->setWindowTitle(m_screen->windowTitle());
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->show();
    }
    if (m_dialog) {
        m_dialog->setValue(percent);
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace zoruka::ui
