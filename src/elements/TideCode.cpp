#include "elements/DownloadRecord.h"
#include "elements/Tide.h"

// The trend graph's 24-byte download record.
namespace tavo {

namespace {
constexpr uint16_t kTrendRecordSize = 24;
}  // namespace

void CTide::CalcCodeSize() {
  m_codeSize = kTrendRecordSize;
}

void CTide::Compile() {
  CBarTide::Compile();
  PutByte(m_code, 19, m_points);
  Put16(m_code, 20, m_interval);
  PutByte(m_code, 22, m_trendCount);
  PutByte(m_code, 23, m_trendIndex);
}

}  // namespace tavo
