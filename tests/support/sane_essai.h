#pragma once
// SANE for the tests: a private configuration folder whose dll.conf lists
// only the `test` backend (two virtual devices, test:0 and test:1), set
// before the first sane_init of the process. The backend is opened once more
// and kept, so that sane_exit does not unmap it and the leak reports of its
// own allocations still name it (lsan.supp).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <dlfcn.h>

#include <cstdlib>

// False when the test backend is not installed.
inline bool PreparerSaneEssai()
{
    static const bool pret = [] {
        static QTemporaryDir dossier;
        if (!dossier.isValid())
            return false;
        QFile conf(dossier.filePath(QStringLiteral("dll.conf")));
        if (!conf.open(QIODevice::WriteOnly) || conf.write("test\n") != 5)
            return false;
        conf.close();
        setenv("SANE_CONFIG_DIR", QFile::encodeName(dossier.path()).constData(), 1);
        for (const char *chemin : {"/usr/lib/x86_64-linux-gnu/sane/libsane-test.so.1", "/usr/lib/aarch64-linux-gnu/sane/libsane-test.so.1",
                                   "/usr/lib64/sane/libsane-test.so.1", "/usr/lib/sane/libsane-test.so.1",
                                   "/usr/local/lib/sane/libsane-test.so.1"})
            if (dlopen(chemin, RTLD_NOW | RTLD_LOCAL))
                return true;
        return false;
    }();
    return pret;
}
