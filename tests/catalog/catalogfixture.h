#pragma once

#include "catalog/archserver.h"
#include "platform/table/value.h"

#include <QString>

namespace gbtest {

// One catalogued image as the tests write it.
struct CatalogImage {
    QString media;
    QString label;
    QString folder;
    QString file;
    gb::ValueArray keys;
    QString comments;
    QByteArray thumbnail;
};

// Appends a record the way adding images does: PATH and FILENAME cut by the table,
// FULLPATH complete.
bool addImage(gb::ArchServer &server, const CatalogImage &image);

// A new, empty catalog stem in a fresh folder (no files yet).
QString freshStem(const QString &name = QStringLiteral("Holidays"));

} // namespace gbtest
