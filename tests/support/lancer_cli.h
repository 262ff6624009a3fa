#pragma once
// kaptori-cli run as a script runs it: found on the PATH the tests are given,
// in a French locale unless told otherwise, its exit status and both output
// streams kept as bytes.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

struct ProcessusCli {
    int statut = -1; // -1 when the program crashed or did not end
    QByteArray sortie;
    QByteArray erreurs;
};

inline ProcessusCli LancerCli(const QStringList &arguments, const QString &locale = QStringLiteral("fr_FR.UTF-8"),
                              const QString &dossier = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    p.setProcessEnvironment(env);
    if (!dossier.isEmpty())
        p.setWorkingDirectory(dossier);
    p.start(QStringLiteral(KAPTORI_CLI), arguments);
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// The same run with both streams decoded from UTF-8, for comparing texts.
struct SortieCli {
    int statut = -1;
    QString sortie;
    QString erreurs;
};

inline SortieCli LancerCliTexte(const QStringList &arguments,
                                const QString &locale = QStringLiteral("fr_FR.UTF-8"), const QString &dossier = {})
{
    const ProcessusCli r = LancerCli(arguments, locale, dossier);
    return {r.statut, QString::fromUtf8(r.sortie), QString::fromUtf8(r.erreurs)};
}
