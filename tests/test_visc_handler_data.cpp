// ViscHandler data model: construction defaults, per-component storage, float records,
// bounds of the indexed accessors and deep copies.
#include <gtest/gtest.h>

#include "ViscHandler.h"
#include "support/test_support.h"

namespace {

TEST(ViscHandlerData, ConstructorDefaults) {
  ViscHandler h;
  EXPECT_FALSE(h.IsKinVisc());
  EXPECT_FALSE(h.m_UseRefutas);
  EXPECT_FALSE(h.m_IsKorumProp);
  EXPECT_EQ(h.GetNumbComp(), 0);
  EXPECT_EQ(h.GetNumbBulkPts(), 0);
  EXPECT_EQ(h.GetNHypoCurves(), 0);
  EXPECT_EQ(h.GetNcurves(), 0);
  EXPECT_EQ(h.GetNumbHypoComp(), 0);
  EXPECT_EQ(h.m_SingleCurveNpts, 0);
  EXPECT_EQ(h.GetMyUniqueID(), -1);
  EXPECT_EQ(h.m_MaxIter, 50);
  EXPECT_EQ(h.m_RefutasA, 33.468);
  EXPECT_EQ(h.m_RefutasB, 23.097);
  EXPECT_EQ(h.m_RefutasC, 0.8);
  EXPECT_EQ(h.m_PentaneVisc1, 2.296);
  EXPECT_EQ(h.m_PentaneVisc2, 0.2307);
  EXPECT_EQ(h.m_PentaneDensity, 629.729);
  // Reference constants of the correlation: first, a middle and the last entry.
  EXPECT_EQ(h.m_CrudeConst[0], 190.555);
  EXPECT_EQ(h.m_CrudeConst[17], 0.1628);
  EXPECT_EQ(h.m_CrudeConst[26], 0.20371194);
  EXPECT_EQ(h.m_CrudeConst[34], -0.754639);
  // Every array absent: the pointer getters give null.
  EXPECT_EQ(h.GetBulkTemp(), nullptr);
  EXPECT_EQ(h.GetBulkValues(), nullptr);
  EXPECT_EQ(h.GetCalcBulkValues(), nullptr);
  EXPECT_EQ(h.GetHypoTempCrvs(), nullptr);
  EXPECT_EQ(h.GetCpvVisc38(), nullptr);
  EXPECT_EQ(h.GetCpvVisc100(), nullptr);
}

TEST(ViscHandlerData, UseBeforeComponentCountReadsAndWritesNothing) {
  ViscHandler h;
  h.SetTc(0, 600.5f);
  h.SetTypeHc(0, true);
  h.SetVsdata(0, 0.5f);
  h.SetDCompBPs(0, 400.0);
  h.SetIsHypo(0, 1);
  EXPECT_EQ(h.GetQiraThetaA(0), -32767.0);
  EXPECT_EQ(h.GetQiraThetaB(0), -32767.0);
  EXPECT_EQ(h.GetThetaA(0), -32767.0);
  EXPECT_EQ(h.GetCpvVisc38(0), -32767.0);
  EXPECT_EQ(h.IsHypo(0), -32767);
  EXPECT_EQ(h.GetCpvVisc38(), nullptr);
}

TEST(ViscHandlerData, SetNumbCompAllocatesWithDefinedValues) {
  ViscHandler h;
  h.SetNumbComp(3);
  EXPECT_EQ(h.GetNumbComp(), 3);
  ASSERT_NE(h.GetCpvVisc38(), nullptr);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(h.GetCpvVisc38(i), -32767.0);
    EXPECT_EQ(h.GetCpvVisc50(i), -32767.0);
    EXPECT_EQ(h.GetCpvVisc60(i), -32767.0);
    EXPECT_EQ(h.GetCpvVisc100(i), -32767.0);
    EXPECT_EQ(h.IsHypo(i), -1);
    EXPECT_EQ(h.m_HypoIndex[i], -32767);
    EXPECT_EQ(h.m_DCompBPs[i], -32767.0);
    EXPECT_EQ(h.GetThetaA(i), -32767.0);
    EXPECT_EQ(h.GetQiraThetaA(i), 0.0);  // records start zeroed
    EXPECT_EQ(h.m_VsData[i].Comp, nullptr);
  }
  EXPECT_TRUE(h.m_HypoBPs.empty());
  // Indices beyond the count read the missing value and write nothing.
  EXPECT_EQ(h.GetCpvVisc38(3), -32767.0);
  EXPECT_EQ(h.GetCpvVisc38(-1), -32767.0);
  EXPECT_EQ(h.IsHypo(7), -32767);
  h.SetTc(3, 1.0f);
  h.SetDCompBPs(-1, 1.0);
  h.SetVsdata(99, 1.0f);
  EXPECT_EQ(h.m_CompData.size(), 3u);
}

TEST(ViscHandlerData, SecondSetNumbCompDiscardsEveryComponentValue) {
  ViscHandler h;
  h.SetNumbComp(2);
  h.SetTc(0, 600.5f);
  h.SetVsdata(0, 0.25f);
  h.SetDCompBPs(0, 500.0);
  h.SetIsHypo(0, 1);
  h.SetNumbHypoComp(1);
  h.SetNumbComp(2);
  EXPECT_EQ(h.m_CompData[0]->Tc, 0.0f);
  EXPECT_EQ(h.m_VsData[0].x, 0.0);
  EXPECT_EQ(h.m_VsData[0].Comp, nullptr);
  EXPECT_EQ(h.m_DCompBPs[0], -32767.0);
  EXPECT_EQ(h.IsHypo(0), -1);
  EXPECT_TRUE(h.m_HypoBPs.empty());
  EXPECT_EQ(h.GetNumbHypoComp(), 1);  // the count survives
  h.SetNumbComp(-4);                  // a negative count keeps no arrays
  EXPECT_EQ(h.GetNumbComp(), -4);
  EXPECT_TRUE(h.m_CompData.empty());
  EXPECT_EQ(h.GetCpvVisc38(), nullptr);
}

TEST(ViscHandlerData, FloatSettersStoreSinglePrecision) {
  ViscHandler h;
  h.SetNumbComp(1);
  h.SetTc(0, 600.5f);
  h.SetPc(0, 1234.1f);
  h.SetMw(0, 0.1f);
  h.SetThetaA(0, 0.3f);
  h.SetThetaB(0, -0.07f);
  h.SetVsdata(0, 0.1f);
  EXPECT_EQ(h.m_CompData[0]->Tc, 600.5f);
  EXPECT_EQ(h.m_CompData[0]->Pc, 1234.1f);
  EXPECT_EQ(h.m_CompData[0]->Mw, 0.1f);
  // The getters widen the float: 0.3f is not 0.3.
  EXPECT_EQ(h.GetQiraThetaA(0), static_cast<double>(0.3f));
  EXPECT_NE(h.GetQiraThetaA(0), 0.3);
  EXPECT_EQ(h.GetQiraThetaB(0), static_cast<double>(-0.07f));
  EXPECT_EQ(h.m_VsData[0].x, static_cast<double>(0.1f));
  EXPECT_EQ(h.m_VsData[0].Comp, h.m_CompData[0].get());
  EXPECT_EQ(h.m_VsData[0].Extra1, 0.0);
}

TEST(ViscHandlerData, SetTypeHcTouchesBitZeroOnly) {
  ViscHandler h;
  h.SetNumbComp(1);
  h.m_CompData[0]->TypeFlags = 0xF0F0u;
  h.SetTypeHc(0, true);
  EXPECT_EQ(h.m_CompData[0]->TypeFlags, 0xF0F1u);
  h.SetTypeHc(0, false);
  EXPECT_EQ(h.m_CompData[0]->TypeFlags, 0xF0F0u);
}

// A filled handler whose copy must own everything it holds.
ViscHandler filledHandler() {
  ViscHandler h;
  h.SetNumbComp(3);
  for (int i = 0; i < 3; ++i) {
    h.SetTc(i, 500.0f + i);
    h.SetVsdata(i, 0.2f * (i + 1));
    h.SetIsHypo(i, i == 0 ? 0 : 1);
  }
  h.m_VsData[2].Comp = h.m_CompData[1].get();  // a link to another component's record
  h.SetNumbHypoComp(2);
  h.m_HypoViscCrvs = {{1.0, 2.0, 3.0}, {0.5, 1.0, 1.5}};
  h.m_HypoTempCrvs = {38.0, 100.0};
  h.m_NHypoCurves = 2;
  h.SetMyUniqueID(7);
  return h;
}

void expectOwnCopy(ViscHandler& copy, const ViscHandler& source) {
  ASSERT_EQ(copy.m_CompData.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NE(copy.m_CompData[i].get(), source.m_CompData[i].get());
    EXPECT_EQ(copy.m_CompData[i]->Tc, 500.0f + i);
  }
  EXPECT_EQ(copy.m_VsData[0].Comp, copy.m_CompData[0].get());
  EXPECT_EQ(copy.m_VsData[1].Comp, copy.m_CompData[1].get());
  EXPECT_EQ(copy.m_VsData[2].Comp, copy.m_CompData[1].get());
  EXPECT_EQ(copy.m_HypoViscCrvs[1][2], 1.5);
  EXPECT_EQ(copy.GetMyUniqueID(), 7);
  EXPECT_EQ(copy.m_CrudeConst[5], 16.043);
}

TEST(ViscHandlerData, CopyConstructionIsDeep) {
  ViscHandler source = filledHandler();
  ViscHandler copy(source);
  expectOwnCopy(copy, source);
  copy.SetTc(0, 1.0f);
  copy.m_HypoViscCrvs[0][0] = 9.0;
  EXPECT_EQ(source.m_CompData[0]->Tc, 500.0f);
  EXPECT_EQ(source.m_HypoViscCrvs[0][0], 1.0);
}

TEST(ViscHandlerData, CopyAssignmentIsDeepAndSurvivesTheSource) {
  ViscHandler copy;
  copy.SetNumbComp(5);
  {
    ViscHandler source = filledHandler();
    copy = source;
    expectOwnCopy(copy, source);
    copy = copy;  // self-assignment keeps everything
    expectOwnCopy(copy, source);
  }
  // The source is gone; the copy's records and links are still its own.
  EXPECT_EQ(copy.m_VsData[2].Comp->Tc, 501.0f);
  EXPECT_EQ(copy.GetNumbComp(), 3);
}

}  // namespace
