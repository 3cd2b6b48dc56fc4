#include "catalogfixture.h"

#include "support/testutil.h"

namespace gbtest {

bool addImage(gb::ArchServer &server, const CatalogImage &image)
{
    if (!server.append())
        return false;
    server.fieldPut("VLABEL", image.label);
    server.fieldPut("MEDIA", image.media);
    server.fieldPut("PATH", image.folder);
    server.fieldPut("FILENAME", image.file);
    server.fieldPut("FULLPATH", image.folder + image.file);
    server.fieldPut("MODDATE", gb::Value::date(QDate(2004, 7, 1)));
    server.fieldPut("SIZE", 123456);
    server.fieldPut("WIDTH", 640);
    server.fieldPut("HEIGHT", 480);
    server.fieldPut("KEYS", gb::Value(image.keys));
    server.fieldPut("COMMENTS", image.comments);
    server.fieldPut("RGB", gb::Value::bytes(image.thumbnail));
    return server.commit();
}

QString freshStem(const QString &name)
{
    return makeTempDir() + "/" + name;
}

} // namespace gbtest
