#include "support/dataroot.h"

#include <QDir>
#include <QFile>

namespace tarnel {

namespace {
void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(data);
}
} // namespace

TestDataRoot::TestDataRoot(const QString& ini) {
    QDir().mkpath(root() + "UnitConverter");
    QDir().mkpath(exeDir());
    const QString unitDir = root() + "UnitConverter/";
    for (const char* name : {"default.unt", "abrv.lst", "spellings.lst"})
        QFile::copy(QString(TARNEL_DATA) + "/" + name, unitDir + name);
    QByteArray settings = ini.toUtf8();
    settings.replace("\n", "\r\n");
    writeFile(unitDir + "TarnelUC.ini", settings);
    writeFile(unitDir + "TarnelUC.ext", "Width=640\r\nHeight=420\r\n");
    writeFile(exeDir() + "location.dir", root().toUtf8() + "\n");
}

TDirMap TestDataRoot::dirs(IMessages& messages) const {
    return TDirMap(exeDir().toStdString(), (fDir.path() + "/user").toStdString(),
                   "Tarnel Calculator", false, messages);
}

QByteArray TestDataRoot::read(const QString& name) const {
    QFile f(root() + "UnitConverter/" + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace tarnel
