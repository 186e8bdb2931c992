#pragma once
// A data root of a GUI test's own: UnitConverter/ with the shipped unit data, a settings
// file and a window-size file, and an executable folder whose location.dir names it.

#include "core/platform/dirmap.h"

#include <QString>
#include <QTemporaryDir>

#include <string>

namespace tarnel {

class TestDataRoot {
  public:
    /// `ini`: the settings file's lines (CR LF added); multi-tab layout by default.
    explicit TestDataRoot(const QString& ini = "UnitFile=default.unt\nMultiTabMode=1\n");

    /// The root with its trailing "/", as the directory map gives it.
    QString root() const { return fDir.path() + "/root/"; }
    QString exeDir() const { return fDir.path() + "/bin/"; }
    std::string unitConverter() const { return (root() + "UnitConverter/").toStdString(); }
    /// The directory map that a program in exeDir() would build.
    TDirMap dirs(IMessages& messages) const;
    /// The text of a file in UnitConverter/.
    QByteArray read(const QString& name) const;

  private:
    QTemporaryDir fDir;
};

} // namespace tarnel
