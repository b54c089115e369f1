#pragma once

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

namespace zoruka::test {

// The PDF files that printing on a machine without printer leaves under "印刷" in the folder the
// program started in: those there now, and the one a print adds.
class PrintedFiles {
public:
    explicit PrintedFiles(const QString& startFolder)
        : m_folder(QDir(startFolder).filePath(QStringLiteral("印刷"))), m_before(list())
    {
    }

    // The paths of the files added since construction.
    QStringList added() const
    {
        QStringList files = list();
        for (const QString& old : m_before) {
            files.removeAll(old);
        }
        for (QString& file : files) {
            file = QDir(m_folder).filePath(file);
        }
        return files;
    }

    // The text of a PDF file as pdftotext lays it out, in the form of normal(); a null text when
    // pdftotext is not installed.
    static QString text(const QString& pdf)
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty()) {
            return {};
        }
        QProcess process;
        process.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        process.waitForFinished();
        return normal(QString::fromUtf8(process.readAllStandardOutput()));
    }

    // A text as compared with a PDF's: the PDF gives some kanji as their radical signs ("⽉" for
    // "月") and spaces as wide as the gaps on the sheet, so both sides are compared in
    // compatibility form with every run of blanks as one space.
    static QString normal(const QString& text)
    {
        return text.normalized(QString::NormalizationForm_KC).simplified();
    }

private:
    QStringList list() const { return QDir(m_folder).entryList(QDir::Files, QDir::Name); }

    QString m_folder;
    QStringList m_before;
};

} // namespace zoruka::test
