#include "store/StoreError.h"

#include "store/DatabaseLocation.h"

#include <sqlite3.h>

namespace zoruka {

namespace {

constexpr const char* kContentsDamaged = "ファイルの中身が壊れています。";

std::string aboutFile(std::string_view what)
{
    return "データベースファイル「" + std::string(kDatabaseFileName) + "」" + std::string(what);
}

std::string listed(const std::vector<std::string>& findings)
{
    constexpr std::size_t kNamed = 5;
    std::string list;
    for (std::size_t i = 0; i < findings.size() && i < kNamed; ++i) {
        list += "\n・" + findings[i];
    }
    if (findings.size() > kNamed) {
        list += "\n・ほか" + std::to_string(findings.size() - kNamed) + "件";
    }
    return list;
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

StoreError StoreError::otherCopyWrites()
{
    return StoreError(aboutFile("は別のゾルカが使用中のため書き込めません。登録や更新をするには、"
                                "別のゾルカを終了してから、このゾルカを起動し直してください。"));
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
    std::string message = aboutFile("が壊れています。") + listed(findings);
    if (!advice.empty()) {
        message += "\n" + std::string(advice);
    }
    return StoreError(message,
                      findings.empty() ? std::vector<std::string>{kContentsDamaged} : findings);
}

StoreError StoreError::unusableBackup(std::string_view name,
                                      const std::vector<std::string>& findings)
{
    return StoreError("バックアップ「" + std::string(name) + "」は復元に使えません。" +
                      listed(findings));
}

StoreError StoreError::restoreFailed(std::string_view reason)
{
    return StoreError("復元できませんでした（" + std::string(reason) +
                      "）。データベースファイルは元のままです。");
}

StoreError StoreError::backupFailed(std::string_view reason)
{
    return StoreError("バックアップを作成できませんでした（" + std::string(reason) + "）。");
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
        return StoreError(aboutFile("が壊れているため読み書きできません。"), {kContentsDamaged});
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return cannotOpen();
    default:
        return StoreError(aboutFile("の読み書きに失敗しました。"));
    }
}

} // namespace zoruka
