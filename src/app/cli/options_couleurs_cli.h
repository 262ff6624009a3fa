#pragma once
// Small parsers shared by the colour commands of kaptori-cli.

#include <QRgb>
#include <QString>

#include <optional>
#include <vector>

// "R,V,B", three integers 0..255.
[[nodiscard]] std::optional<QRgb> CouleurCli(const QString &texte);

// Comma-separated integers, at least one.
[[nodiscard]] std::optional<std::vector<int>> EntiersCli(const QString &texte);

// A real written with either separator.
[[nodiscard]] std::optional<double> ReelCli(const QString &texte);
