#pragma once

#include "base/Texts.h"

// The texts a transfer shows the user (UTF-8), shown through
// Translate(kContext, ...).

namespace tavo::link::text {

inline constexpr const char* kContext = "tavo::download::Transfer";
inline constexpr const char* kProgressText =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "正在下载画面数据......");
inline constexpr const char* kCancelButton =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "取   消");
// %1 the port.
inline constexpr const char* kCannotOpenPort =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "无法打开通信口%1!");
inline constexpr const char* kTooManyErrors =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "通讯错误次数越界");
inline constexpr const char* kDelayExceeded =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "延时越界");
inline constexpr const char* kTooManyResends =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "重发次数越界");
inline constexpr const char* kWrongReply =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "返回信息错误!");
inline constexpr const char* kNoResponse =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "通讯无响应!!!");
inline constexpr const char* kNoResponseCaption =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "Tavo  下位机无响应");
inline constexpr const char* kCommunicationFailed =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "本次通信失败!!!");
// %1 the image size in bytes.
inline constexpr const char* kCompleted =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "下载完成!画面数据共%1字节");
inline constexpr const char* kConfirmCancel =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "确实要取消下载吗?");
inline constexpr const char* kTimerUnavailable = "Unable to obtain timer";
inline constexpr const char* kTimerCaption = "IDT_TIMER_0";
// The image or the driver does not fit its area of panel memory; nothing is sent.
inline constexpr const char* kTooLarge =
    TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "下载数据超出下位机存储空间!");

}  // namespace tavo::link::text
