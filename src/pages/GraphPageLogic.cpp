#include "pages/GraphPageLogic.h"

#include <cmath>

#include "base/Texts.h"
#include "elements/Bar.h"
#include "elements/Tide.h"
#include "pages/PageRules.h"
#include "plc/Catalogue.h"

namespace tavo::app {

namespace {

constexpr const char* kContext = "tavo::pages::GraphPageLogic";

int RoundLimit(double v) {
  return static_cast<int>(std::lround(v));
}
}  // namespace

GraphPageLogic::GraphPageLogic(PageEnv& env) : ElementPageLogic(env) {
  for (ControlState* c : std::initializer_list<ControlState*>{&mode, &isSigned, &direction})
    Connect(*c);
  Connect(address);
  for (NumberBox* b : {&width, &height, &count, &fullScale, &zeroScale, &points, &interval})
    Connect(*b);
}

bool GraphPageLogic::IsTrend() const {
  return graph_ && graph_->m_kind == kKindTrend;
}

std::string GraphPageLogic::Caption() const {
  return IsTrend()
             ? Translate(kContext, TAVO_TRANSLATE_NOOP("tavo::pages::GraphPageLogic", "趋势图属性"))
             : Translate(kContext,
                         TAVO_TRANSLATE_NOOP("tavo::pages::GraphPageLogic", "棒状图属性"));
}

void GraphPageLogic::Load(CBase& element) {
  graph_ = &static_cast<CBarTide&>(element);
  StartLoad(element);
  width.SetRadix(Radix::Unsigned);
  width.Bind(graph_->m_widthPx);
  height.SetRadix(Radix::Unsigned);
  height.Bind(graph_->m_height);
  address.Load(element, VariableUse::WordDisplay, false);
  count.SetRadix(Radix::Unsigned);
  count.SetVisible(!CurrentProfile().m_namedVariables);  // before its range: hidden, kept
  count.Bind(graph_->m_regCount);
  mode.Set(graph_->m_numFormat ? 1 : 0);
  mode.ClearChanged();
  isSigned.Bind(graph_->m_signed);
  isSigned.SetEnabled(mode.Value() == 1);
  fullScale.Bind(graph_->m_fullScale);
  zeroScale.Bind(graph_->m_zeroScale);
  ApplyTypeRules();
  UpdateScaleRanges();
  if (IsTrend()) {
    auto* trend = static_cast<CTide*>(graph_);
    points.SetRadix(Radix::Unsigned);
    points.Bind(trend->m_points);
    interval.SetRadix(Radix::Unsigned);
    interval.Bind(trend->m_interval);
    interval.SetRange(1, kMaxInterval);
    direction.Unbind();
  } else {
    points.Unbind();
    interval.Unbind();
    direction_ = static_cast<CBar*>(graph_)->m_direction;
    direction.Bind(
        direction_,
        TranslateAll(kContext, {TAVO_TRANSLATE_NOOP("tavo::pages::GraphPageLogic", "向上"),
                                TAVO_TRANSLATE_NOOP("tavo::pages::GraphPageLogic", "向下"),
                                TAVO_TRANSLATE_NOOP("tavo::pages::GraphPageLogic", "向左"),
                                TAVO_TRANSLATE_NOOP("tavo::pages::GraphPageLogic", "向右")}));
  }
  points.SetVisible(IsTrend());
  interval.SetVisible(IsTrend());
  direction.SetVisible(!IsTrend());
  ElementPageLogic::Load(element);
  Layout();
}

void GraphPageLogic::UpdateMaxima() {
  if (!graph_) return;
  const Rect& r = graph_->m_rect;
  width.SetRange(CBarTide::kMinSize, RoundLimit(kPanelWidth - r.left / 2.25));
  x.SetRange(0, RoundLimit(kPanelWidth - r.Width() / 2.25));
  height.SetRange(CBarTide::kMinSize, RoundLimit(kPanelHeight - r.top / 2.25));
  y.SetRange(0, RoundLimit(kPanelHeight - r.Height() / 2.25));
  if (IsTrend()) points.SetRange(CTide::kMinPoints, graph_->m_widthPx - 2);
}

void GraphPageLogic::TakeBaseline() {
  ElementPageLogic::TakeBaseline();
  if (!graph_) return;
  base_ = {graph_->m_signed,    graph_->m_regCount,  graph_->m_station,
           graph_->m_fullScale, graph_->m_zeroScale, 0};
  if (IsTrend()) base_.points = static_cast<CTide*>(graph_)->m_points;
}

void GraphPageLogic::ApplyTypeRules() {
  const ProtocolProfile& profile = CurrentProfile();
  const std::string typeName = address.type.SelectedName();
  const Range stations = StationRange(profile);
  // The count and the station come from their values before the session.
  graph_->m_regCount = base_.count;
  graph_->m_station = base_.station;
  if (IsPanelInternalCode(RegisterTypeCode(profile, graph_->m_regType, kUseWord))) {
    count.SetRange(1, 1);
    address.station.SetRange(stations.min, stations.min);
    return;
  }
  address.station.SetRange(stations.min, stations.max);
  const uint8_t fixed = FixedRegisterCount(profile.m_protocol, typeName, false);
  if (fixed)
    count.SetRange(fixed, fixed);
  else
    count.SetRange(1, profile.m_maxRegCount);
}

void GraphPageLogic::UpdateScaleRanges() {
  const Range r = GraphScaleRange(CurrentProfile(), graph_->m_regType, graph_->m_regCount,
                                  graph_->m_signed != 0);
  const Radix radix = ValueRadix(graph_->m_numFormat, graph_->m_signed != 0);
  const bool usable = address.type.SelectedName() != "6x";
  graph_->m_fullScale = base_.fullScale;
  graph_->m_zeroScale = base_.zeroScale;
  for (NumberBox* b : {&fullScale, &zeroScale}) {
    b->SetRadix(radix);
    b->SetRange(r.min, r.max);
    if (!usable) b->SetEnabled(false);
  }
}

void GraphPageLogic::Idle() {
  if (!graph_) return;
  if (IdlePosition()) UpdateMaxima();

  if (!EditControl()) TakeBaseline();  // a pass without a session derives from now

  // 1. The number format, stored on every pass.
  const uint8_t before = graph_->m_numFormat;
  graph_->SetOption(static_cast<uint8_t>(mode.Value()), 0);
  const bool decimal = mode.Value() == 1;
  // HEX/BCD clears the sign; "十进制" gives back the sign of the session's start.
  if (!decimal)
    isSigned.SetChecked(false, true);
  else if (mode.Changed())
    isSigned.SetChecked(base_.isSigned != 0, true);
  isSigned.SetEnabled(decimal);
  if (CurrentProfile().m_namedVariables) count.SetVisible(false);

  // 2. and 6. Size and direction.
  bool resize = width.Changed() || height.Changed();
  if (!IsTrend() && direction.Changed()) {
    static_cast<CBar*>(graph_)->SetDirection(direction_);
    width.Reload();
    height.Reload();
    resize = true;
  }
  if (resize) {
    // The sample count follows the width from its value before the session.
    if (IsTrend()) static_cast<CTide*>(graph_)->m_points = base_.points;
    Resize();
  }

  // 3. - 5. Type, count and sign.
  const auto result = address.Idle(&graph_->m_subTypeCode, &graph_->m_subTypeAddr);
  if (result.typeChanged) ApplyTypeRules();
  if (result.typeChanged || count.Changed() || isSigned.Changed() || before != graph_->m_numFormat)
    UpdateScaleRanges();

  for (ControlState* c : std::initializer_list<ControlState*>{&mode, &isSigned, &direction})
    c->ClearChanged();
  for (NumberBox* b : {&width, &height, &count, &fullScale, &zeroScale, &points, &interval})
    b->ClearChanged();
}

}  // namespace tavo::app
