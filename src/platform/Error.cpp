#include "platform/Error.h"

namespace ruvo {

std::u16string ErrorText(ErrorNumber number) {
    switch (number) {
        case ErrorNumber::Overflow:
            return u"オーバーフローしました。";
        case ErrorNumber::OutOfMemory:
            return u"メモリが不足しています。";
        case ErrorNumber::DivisionByZero:
            return u"0 で除算しました。";
        case ErrorNumber::FileNotFound:
            return u"ファイルが見つかりません。";
        case ErrorNumber::DiskFull:
            return u"ディスクの空き容量が不足しています。";
        case ErrorNumber::InputPastEndOfFile:
            return u"ファイルにこれ以上データがありません。";
        case ErrorNumber::PermissionDenied:
            return u"書き込みできません。";
        case ErrorNumber::PathFileAccess:
            return u"パス名またはファイル名が無効です。";
        case ErrorNumber::InvalidSettings:
            return u"設定ファイルの値が正しくありません。";
        case ErrorNumber::ClipboardBusy:
            return u"クリップボードを開けません。";
        case ErrorNumber::DeviceUnavailable:
            return u"デバイスが準備されていません。";
        case ErrorNumber::Unexpected:
            return u"内部エラーです。";
        case ErrorNumber::Cancel:
            return u"キャンセルが選択されました。";
    }
    return u"アプリケーション定義またはオブジェクト定義のエラーです。";
}

RuntimeError::RuntimeError(ErrorNumber number, std::u16string_view detail)
    : number_(number), text_(ErrorText(number)) {
    if (!detail.empty()) {
        text_ += u"\n";
        text_ += detail;
    }
    // The report shows Text(); this is for a developer's debugger.
    what_ = "run-time error " + std::to_string(static_cast<std::int32_t>(number));
}

const char* RuntimeError::what() const noexcept {
    return what_.c_str();
}

}  // namespace ruvo
