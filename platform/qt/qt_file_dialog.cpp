#include "platform/qt/qt_file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/qt/qt_text.h"

namespace brisel::platform::qt {
namespace {

QString QtPatterns(const std::string& patterns) {
    QStringList result;
    for (const QString& pattern : ToQt(patterns).split(QChar(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        result.append(trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
    }
    return result.join(QChar(' '));
}

void Configure(QFileDialog& dialog, const FileDialog& settings, bool save) {
    dialog.setWindowTitle(ToQt(settings.DialogTitle));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (settings.Flags & kOfnOverwritePrompt) == 0);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QStringList filters = ToQtNameFilters(ParseFilter(settings.Filter));
    dialog.setNameFilters(filters);
    if (settings.FilterIndex >= 1 && settings.FilterIndex <= filters.size()) {
        dialog.selectNameFilter(filters.at(settings.FilterIndex - 1));
    }
    QString suffix = ToQt(settings.DefaultExt);
    if (suffix.startsWith(QChar('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    const QFileInfo start(ToQt(settings.FileName));
    dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
}

}  // namespace

QStringList ToQtNameFilters(const std::vector<FilterEntry>& entries) {
    QStringList filters;
    for (const FilterEntry& entry : entries) {
        filters.append(ToQt(entry.description) + QStringLiteral(" (") + QtPatterns(entry.patterns) + QChar(')'));
    }
    return filters;
}

bool QtFileDialog::Run(bool save) {
    QFileDialog dialog(QApplication::activeWindow());
    Configure(dialog, *this, save);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) throw DialogError("The dialog returned no file.");
    FileName = FromQt(QDir::toNativeSeparators(chosen.first()));
    FileTitle = FileTitleOf(FileName);
    return true;
}

}  // namespace brisel::platform::qt
