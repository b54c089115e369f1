#include "store/StoreError.h"

#include "store/DatabaseLocation.h"

#include <sqlite3.h>

namespace zoruka {

namespace {

std::string aboutFile(std::string_view what)
{
    return "データベースファイル「" + std::string(kDatabaseFileName) + "」" + std::string(what);
}

} // namespace

StoreError StoreError::missing() { return StoreError(aboutFile("が見つかりません。")); }

StoreError StoreError::notOurs()
{
    return StoreError(aboutFile("はこのプログラムのものではないため開けません。"));
}

StoreError StoreError::newerVersion()
{
    return StoreError(aboutFile("は新しい版のプログラムで作られたため開けません。"));
}

StoreError StoreError::cannotCreate() { return StoreError(aboutFile("を作成できませんでした。")); }

StoreError StoreError::cannotOpen() { return StoreError(aboutFile("を開けません。")); }

StoreError StoreError::locked()
{
    return StoreError(
        aboutFile("はほかのプログラムが使用中です。しばらくしてからやり直してください。"));
}

StoreError StoreError::readOnly()
{
    return StoreError(aboutFile("は読み取り専用のため書き込めません。"));
}

StoreError StoreError::duplicateKey()
{
    return StoreError("同じキーの行がすでにあるため書き込めません。");
}

StoreError StoreError::notANumber(std::string_view column, std::string_view text)
{
    return StoreError("「" + std::string(column) + "」の値「" + std::string(text) +
                      "」は数値ではありません。");
}

StoreError StoreError::damaged(const std::vector<std::string>& findings, std::string_view advice)
{
    constexpr std::size_t kNamed = 5;
    std::string message = aboutFile("が壊れています。");
    for (std::size_t i = 0; i < findings.size() && i < kNamed; ++i) {
        message += "\n・" + findings[i];
    }
    if (findings.size() > kNamed) {
        message += "\n・ほか" + std::to_string(findings.size() - kNamed) + "件";
    }
    if (!advice.empty()) {
        message += "\n" + std::string(advice);
    }
    return StoreError(message);
}

StoreError StoreError::fromSqlite(int resultCode)
{
    switch (resultCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return locked();
    case SQLITE_READONLY:
        return readOnly();
    case SQLITE_CONSTRAINT:
        // Every constraint of the schema besides NOT NULL, which bound values always meet, is a
        // unique key.
        return duplicateKey();
    case SQLITE_NOTADB:
        return notOurs();
    case SQLITE_FULL:
        return StoreError(aboutFile("に書き込めません。ディスクの空きが足りません。"));
    case SQLITE_CORRUPT:
        return StoreError(aboutFile("が壊れているため読み書きできません。"));
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return cannotOpen();
    default:
        return StoreError(aboutFile("の読み書きに失敗しました。"));
    }
}

} // namespace zoruka
