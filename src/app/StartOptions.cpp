#include "app/StartOptions.h"

#include <string_view>

namespace zoruka {

namespace {

constexpr std::string_view kFolder = "--folder";
constexpr std::string_view kHomeFolder = "--home-folder";

} // namespace

StartOptions StartOptions::parse(int& argc, char** argv)
{
    StartOptions options;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == kFolder || argument.starts_with(std::string(kFolder) + "=")) {
            std::string_view value;
            if (argument != kFolder) {
                value = argument.substr(kFolder.size() + 1);
            } else if (i + 1 < argc) {
                value = argv[++i];
            }
            if (value.empty()) {
                options.error = "--folder にはフォルダを指定してください。";
            } else {
                options.dataFolder.folder = std::string(value);
            }
        } else if (argument == kHomeFolder) {
            options.dataFolder.home = true;
        } else if (argument == "--help") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    if (options.error.empty() && options.dataFolder.folder && options.dataFolder.home) {
        options.error = "--folder と --home-folder は一緒に指定できません。";
    }
    return options;
}

std::string StartOptions::usage()
{
    return R"(使い方: zoruka [--folder フォルダ | --home-folder]
        zoruka --help | --version

データのフォルダ（データベース ゾルカv3.mdb と 印刷/ を置くフォルダ）:
  指定なし            起動したフォルダ（最初の起動でデータベースを作ります）
  --folder フォルダ   そのフォルダ（あらかじめ作っておきます）
  --home-folder       起動したフォルダに ゾルカv3.mdb があればそのフォルダ、
                      なければホームの「ゾルカ」フォルダ（最初の起動で作ります）。
                      デスクトップのメニューから起動するとこれになります

  --version           バージョンを表示します
  --help              この説明を表示します
)";
}

std::string StartOptions::unknownArgument(const std::string& argument)
{
    return "不明な引数です: " + argument;
}

std::string StartOptions::refusal(const std::string& error)
{
    return "zoruka: " + error + "（zoruka --help で使い方を表示します）\n";
}

} // namespace zoruka
