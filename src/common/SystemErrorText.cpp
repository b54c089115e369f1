#include "common/SystemErrorText.h"

#include <cerrno>
#include <cstring>

namespace zoruka {

std::string systemErrorText(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "ディスクの空きが足りません";
    case EACCES:
    case EPERM:
        return "書き込む権限がありません";
    case EROFS:
        return "読み取り専用の場所です";
    case ENOENT:
        return "フォルダが見つかりません";
    case ENOTDIR:
        return "途中にフォルダでないものがあります";
    case EISDIR:
        return "同じ名前のフォルダがあります";
    case ENAMETOOLONG:
        return "名前が長すぎます";
    case EFBIG:
        return "ファイルが大きすぎます";
    case EBUSY:
    case ETXTBSY:
        return "ほかのプログラムが使用中です";
    default:
        return "エラー " + std::to_string(error) + ": " + std::strerror(error);
    }
}

} // namespace zoruka
