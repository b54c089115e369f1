#pragma once

#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

namespace zoruka::ui {

// Progress of a long build on the screen's own thread. The build reports its percent through
// report(); once it has run half a second a progress window (`SB作成中`, modal to the screen,
// without a cancel button) shows it. Every report lets the screen repaint; what the user types or
// clicks meanwhile waits until the build is over, so nothing starts a second build.
class BuildProgress {
public:
    BuildProgress(QWidget* screen, QString label);
    ~BuildProgress();
    BuildProgress(const BuildProgress&) = delete;
    BuildProgress& operator=(const BuildProgress&) = delete;

    void report(int percent);
    std::function<void(int)> callback()
    {
        return [this](int percent) { report(percent); };
    }

    // Whether the progress window has been shown.
    bool shown() const { return m_dialog != nullptr; }

private:
    QWidget* m_screen;
    QString m_label;
    QElapsedTimer m_clock;
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace zoruka::ui
