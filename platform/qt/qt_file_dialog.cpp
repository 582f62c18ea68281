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

void Configure(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(ToQt(request.title));
    dialog.setAcceptMode(request.kind == FileDialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QStringList filters = ToQtNameFilters(ParseFilter(request.filter));
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    }
    QString suffix = ToQt(request.defaultExt);
    if (suffix.startsWith(QChar('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    const QFileInfo start(ToQt(request.fileName));
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

std::optional<FileChoice> ShowFileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    Configure(dialog, request);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    const std::string fileName = FromQt(QDir::toNativeSeparators(chosen.first()));
    return FileChoice{fileName, FileTitleOf(fileName)};
}

}  // namespace brisel::platform::qt
