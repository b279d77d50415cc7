#pragma once

// The texts a transfer shows the user (UTF-8).

namespace tavo::link::text {

inline constexpr const char* kProgressText = "正在下载画面数据......";
inline constexpr const char* kCancelButton = "取   消";
inline constexpr const char* kCannotOpenPortPrefix = "无法打开通信口";  // + port + "!"
inline constexpr const char* kTooManyErrors = "通讯错误次数越界";
inline constexpr const char* kDelayExceeded = "延时越界";
inline constexpr const char* kTooManyResends = "重发次数越界";
inline constexpr const char* kWrongReply = "返回信息错误!";
inline constexpr const char* kNoResponse = "通讯无响应!!!";
inline constexpr const char* kNoResponseCaption = "Tavo  下位机无响应";
inline constexpr const char* kCommunicationFailed = "本次通信失败!!!";
inline constexpr const char* kCompletedFormat = "下载完成!画面数据共%d字节";
inline constexpr const char* kConfirmCancel = "确实要取消下载吗?";
inline constexpr const char* kTimerUnavailable = "Unable to obtain timer";
inline constexpr const char* kTimerCaption = "IDT_TIMER_0";
// The image or the driver does not fit its area of panel memory; nothing is sent.
inline constexpr const char* kTooLarge = "下载数据超出下位机存储空间!";

}  // namespace tavo::link::text
