#pragma once

#include <QString>

#include <filesystem>

class QWidget;

namespace zoruka {

// The text of "バージョン情報": the version, the data folder in use and the licence of the fonts.
QString aboutText(const std::filesystem::path& dataFolder);

// Shows aboutText() for the data folder of this run in an information box.
void showAboutBox(QWidget* parent);

} // namespace zoruka
