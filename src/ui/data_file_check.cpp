#include "ui/data_file_check.h"

#include <QFile>


namespace ui {

int fieldsPerRecord(DataFileKind kind)
{
    switch (kind) {
    case DataFileKind::Stars: return 3;
    case DataFileKind::Vertices: return 2;
    case DataFileKind::Faces: break;
    }
    return 9;
}

std::optional<int> uniformFieldsPerLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.readAll();
    content.replace("\r\n", "\n");
    content.replace('\r', '\n');
    std::optional<int> count;
    for (const QByteArray& line : content.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const int fields = static_cast<int>(line.count(',')) + 1;
        if (count && *count != fields)
            return std::nullopt;
        count = fields;
    }
    return count;
}

std::optional<DataFileKind> lookalikeKind(const QString& path, DataFileKind picked)
{
    const std::optional<int> perLine = uniformFieldsPerLine(path);
    if (!perLine || *perLine == fieldsPerRecord(picked))
        return std::nullopt;
    for (const DataFileKind kind : {DataFileKind::Stars, DataFileKind::Vertices, DataFileKind::Faces}) {
        if (kind != picked && *perLine == fieldsPerRecord(kind))
            return kind;
    }
    return std::nullopt;
}

std::optional<MissingCorner> firstMissingCorner(const polyhedron::PolyhedronModel& model)
{
    for (int f = 1; f <= model.FaceCount(); ++f) {
        const polyhedron::Face& face = model.faces[static_cast<std::size_t>(f)];
        for (int j = 1; j <= face.CornerCount && j <= polyhedron::kMaxCorners; ++j) {
            const int v = face.Corners[static_cast<std::size_t>(j - 1)];
            if (v < 0 || v > model.VertexCount())
                return MissingCorner{f, j, v};
        }
    }
    return std::nullopt;
}

} // namespace ui
