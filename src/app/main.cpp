#include "app/app.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("KVT"));
    QApplication::setApplicationName(QStringLiteral("Glimmerbox"));
    return gb::App::start(app);
}
