#include "gui/ui/saved_files.h"

#include <QFile>
#include <QSaveFile>

#include <memory>
#include <vector>

namespace ui {

QString saveAll(const QList<FileContents> &files)
{
    // Every file is opened and filled before any is put in place, so a
    // folder that cannot be written stops the whole set.
    std::vector<std::unique_ptr<QSaveFile>> open;
    for (const FileContents &file : files) {
        auto saving = std::make_unique<QSaveFile>(file.path);
        if (file.bytes.isEmpty() || !saving->open(QIODevice::WriteOnly) ||
            saving->write(file.bytes) != file.bytes.size()) {
            for (auto &other : open)
                other->cancelWriting();
            if (saving->isOpen())
                saving->cancelWriting();
            return file.path;
        }
        open.push_back(std::move(saving));
    }
    for (std::size_t i = 0; i < open.size(); ++i) {
        if (open[i]->commit())
            continue;
        for (std::size_t j = i + 1; j < open.size(); ++j)
            open[j]->cancelWriting();
        for (std::size_t j = 0; j < i; ++j)
            QFile::remove(files.at(qsizetype(j)).path);
        return files.at(qsizetype(i)).path;
    }
    return {};
}

} // namespace ui
