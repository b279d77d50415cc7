#include "base/PanelSettings.h"
#include "elements/AlarmList.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "model/ProjectFields.h"
#include "model/Screen.h"

// The stored fields of every part of a project, named and ordered as the
// file records hold them (see the *Record.cpp files beside this one).
namespace tavo {

namespace {

void Common(CBase& e, FieldVisitor& v) {
  v.Field("m_kind", e.m_kind);
  v.Field("m_x", e.m_x);
  v.Field("m_y", e.m_y);
}

void LightFunc(CLightFunc& e, FieldVisitor& v) {
  Common(e, v);
  v.Field("m_double", e.m_double);
  v.Field("m_inverse", e.m_inverse);
  v.Field("m_subAddr", e.m_subAddr);
  v.Field("m_picStyle", e.m_picStyle);
  v.Field("m_station", e.m_station);
  v.Field("m_regType", e.m_regType);
  v.Field("m_addr", e.m_addr);
}

void BarTide(CBarTide& e, FieldVisitor& v) {
  Common(e, v);
  v.Field("m_widthPx", e.m_widthPx);
  v.Field("m_height", e.m_height);
  v.Field("m_numFormat", e.m_numFormat);
  v.Field("m_signed", e.m_signed);
  v.Field("m_fullScale", e.m_fullScale);
  v.Field("m_zeroScale", e.m_zeroScale);
  v.Field("m_station", e.m_station);
  v.Field("m_regType", e.m_regType);
  v.Field("m_addr", e.m_addr);
  v.Field("m_regCount", e.m_regCount);
  v.Field("m_subType", e.m_subType);
  v.Field("m_subTypeAddr", e.m_subTypeAddr);
  v.Field("m_subTypeCode", e.m_subTypeCode);
}

void Text(CChars& e, FieldVisitor& v) {
  Common(e, v);
  v.Field("m_double", e.m_double);
  v.Field("m_inverse", e.m_inverse);
  v.Text("m_text", e.m_text);
}

void Light(CLight& e, FieldVisitor& v) {
  LightFunc(e, v);
  v.Field("m_bitOffset", e.m_bitOffset);
  v.Field("m_subType", e.m_subType);
  v.Field("m_subTypeCode", e.m_subTypeCode);
  v.Field("m_subTypeAddr", e.m_subTypeAddr);
}

void Key(CFunction& e, FieldVisitor& v) {
  LightFunc(e, v);
  v.Field("m_hand", e.m_hand);
  v.Field("m_hidden", e.m_hidden);
  v.Field("m_protected", e.m_protected);
  v.Field("m_action", e.m_action);
  v.Field("m_coilOp", e.m_coilOp);
  v.Field("m_jumpKind", e.m_jumpKind);
  v.Field("m_screenNo", e.m_screenNo);
  v.Field("m_setValue", e.m_setValue);
  v.Field("m_valueFormat", e.m_valueFormat);
  v.Field("m_valueSigned", e.m_valueSigned);
  v.Field("m_recipeOp", e.m_recipeOp);
  v.Field("m_recipeTarget", e.m_recipeTarget);
  v.Field("m_recipeLen", e.m_recipeLen);
  v.Field("m_subType", e.m_subType);
  v.Field("m_subTypeAddr", e.m_subTypeAddr);
  v.Field("m_regSubTypeCode", e.m_regSubTypeCode);
  v.Field("m_coilSubTypeCode", e.m_coilSubTypeCode);
}

void Register(CRegister& e, FieldVisitor& v) {
  Common(e, v);
  v.Field("m_double", e.m_double);
  v.Field("m_inverse", e.m_inverse);
  v.Field("m_station", e.m_station);
  v.Field("m_regType", e.m_regType);
  v.Field("m_addr", e.m_addr);
  v.Field("m_regCount", e.m_regCount);
  v.Field("m_digits", e.m_digits);
  v.Field("m_decimals", e.m_decimals);
  v.Field("m_settable", e.m_settable);
  v.Field("m_limited", e.m_limited);
  v.Field("m_inHigh", e.m_inHigh);
  v.Field("m_inLow", e.m_inLow);
  v.Field("m_engHigh", e.m_engHigh);
  v.Field("m_engLow", e.m_engLow);
  v.Field("m_protected", e.m_protected);
  v.Field("m_numFormat", e.m_numFormat);
  v.Field("m_signed", e.m_signed);
  v.Field("m_scaled", e.m_scaled);
  v.Field("m_subAddr", e.m_subAddr);
  v.Field("m_subType", e.m_subType);
  v.Field("m_subTypeCode", e.m_subTypeCode);
  v.Field("m_subTypeAddr", e.m_subTypeAddr);
}

void Dynamic(CDynamic& e, FieldVisitor& v) {
  Common(e, v);
  v.Field("m_double", e.m_double);
  v.Field("m_inverse", e.m_inverse);
  v.Field("m_station", e.m_station);
  v.Field("m_regType", e.m_regType);
  v.Field("m_addr", e.m_addr);
  v.Field("m_regCount", e.m_regCount);
  v.Field("m_numFormat", e.m_numFormat);
  v.TextList("m_texts", e.m_texts);
  v.IntList("m_values", e.m_values);
  v.TextList("m_valueTexts", e.m_valueTexts);
  v.Field("m_subAddr", e.m_subAddr);
  v.Field("m_subType", e.m_subType);
  v.Field("m_subTypeCode", e.m_subTypeCode);
  v.Field("m_subTypeAddr", e.m_subTypeAddr);
}

void Bar(CBar& e, FieldVisitor& v) {
  BarTide(e, v);
  v.Field("m_direction", e.m_direction);
  v.Field("m_subAddr", e.m_subAddr);
}

void Trend(CTide& e, FieldVisitor& v) {
  BarTide(e, v);
  v.Field("m_interval", e.m_interval);
  v.Field("m_points", e.m_points);
  v.Field("m_subAddr", e.m_subAddr);
}

void Picture(CUpLoadPic& e, FieldVisitor& v) {
  Common(e, v);
  v.Block("m_infoBlock", e.m_infoBlock.data(), e.m_infoBlock.size());
  v.ByteList("m_bits", e.m_bits);
}

}  // namespace

void VisitSettingsFields(PanelSettings& s, FieldVisitor& v) {
  v.Field("m_password", s.m_password);
  v.Field("m_startScreen", s.m_startScreen);
  v.Field("m_ctrlStation", s.m_ctrlStation);
  v.Field("m_ctrlRegAddr", s.m_ctrlRegAddr);
  v.Field("m_ctrlRegType", s.m_ctrlRegType);
  v.Field("m_saverScreen", s.m_saverScreen);
  v.Field("m_saverDelay", s.m_saverDelay);
  v.Field("m_ctrlFlags", s.m_ctrlFlags);
  v.Field("m_baud", s.m_baud);
  v.Field("m_dataBits", s.m_dataBits);
  v.Field("m_stopBits", s.m_stopBits);
  v.Field("m_parity", s.m_parity);
  v.Field("m_commParam", s.m_commParam);
  v.Field("m_protoMode", s.m_protoMode);
  v.Field("m_saverAction", s.m_saverAction);
  v.Field("m_commOption", s.m_commOption);
  v.Field("m_e5Timeout", s.m_e5Timeout);
}

void VisitScreenFields(CMainView& s, FieldVisitor& v) {
  v.Field("m_number", s.m_number);
  v.Text("m_description", s.m_description);
  v.Field("m_upScreen", s.m_upScreen);
  v.Field("m_downScreen", s.m_downScreen);
}

void VisitAlarmListFields(CAlarmList& a, FieldVisitor& v) {
  v.Field("m_station", a.m_station);
  v.Field("m_alarmbegin", a.m_alarmbegin);
  v.Field("m_subAddr", a.m_subAddr);
  v.Field("m_regType", a.m_regType);
  v.Field("m_bitOffset", a.m_bitOffset);
  v.TextList("m_alarmTexts", a.m_alarmTexts);
}

bool VisitElementFields(CBase& e, FieldVisitor& v) {
  // Most derived classes first: CBar and CTide are CBarTides, CLight and
  // CFunction are CLightFuncs.
  if (auto* t = dynamic_cast<CChars*>(&e)) return Text(*t, v), true;
  if (auto* l = dynamic_cast<CLight*>(&e)) return Light(*l, v), true;
  if (auto* k = dynamic_cast<CFunction*>(&e)) return Key(*k, v), true;
  if (auto* r = dynamic_cast<CRegister*>(&e)) return Register(*r, v), true;
  if (auto* d = dynamic_cast<CDynamic*>(&e)) return Dynamic(*d, v), true;
  if (auto* b = dynamic_cast<CBar*>(&e)) return Bar(*b, v), true;
  if (auto* t = dynamic_cast<CTide*>(&e)) return Trend(*t, v), true;
  if (auto* p = dynamic_cast<CUpLoadPic*>(&e)) return Picture(*p, v), true;
  return false;
}

}  // namespace tavo
