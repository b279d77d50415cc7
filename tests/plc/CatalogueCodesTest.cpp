// `tavo catalogue --codes` against a golden listing: every profile line, and
// the register-type codes of protocols 20, 27 and 31, whose codes depend most
// on the protocol and the use. Each line was checked by hand against the
// catalogue.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char kGolden[] =
    R"(1 profile W=B,W,D,RP,RWI,RDI,LW,TM;WW=B,W,D;BW=B,W,D;BL=B,W,D;BA=B,W,D;words=65535;bits=65535;bitidx=255;step=1;count=1
2 profile W=VW,VD,RP,RWI,RDI,LW,TM;WW=VW,VD;BW=M;BL=M;BA=M;words=9999;bits=9999;bitidx=7;step=2;count=1
3 profile W=4x,3x,RP,RWI,RDI,LW,TM;WW=4x,3x;BW=0x;BL=0x,1x;BA=0x,1x;words=65535;bits=65535;bitidx=15;step=1;count=2
4 profile W=D,RP,RWI,RDI,LW,TM;WW=D;BW=M;BL=M;BA=M;words=9999;bits=9999;bitidx=0;step=1;count=2
5 profile W=DM,RP,RWI,RDI,LW,TM;WW=DM;BW=IR;BL=IR;BA=IR;words=9999;bits=9999;bitidx=15;step=1;count=2
6 profile W=DT,RP,RWI,RDI,LW,TM;WW=DT;BW=R;BL=R;BA=R;words=9999;bits=9999;bitidx=15;step=1;count=2
7 profile W=R,RP,RWI,RDI,LW,TM;WW=R;BW=M;BL=M;BA=M;words=9999;bits=9999;bitidx=0;step=1;count=2
8 profile W=MW,RP,RWI,RDI,LW,TM;WW=MW;BW=M;BL=M;BA=M;words=9999;bits=9999;bitidx=0;step=1;count=2
9 profile W=W,RP,RWI,RDI,LW,TM;WW=W;BW=M;BL=M;BA=M;words=9999;bits=9999;bitidx=0;step=1;count=2
10 profile W=R,D,RP,RWI,RDI,LW,TM;WW=R,D;BW=M;BL=M;BA=M;words=9999;bits=9999;bitidx=0;step=1;count=2
11 profile W=D,RP,RWI,RDI,LW,TM;WW=D;BW=M;BL=M;BA=M;words=9999;bits=9999;bitidx=15;step=1;count=2
12 profile W=D,RP,RWI,RDI,LW,TM;WW=D;BW=M;BL=M;BA=M;words=9999;bits=9999;bitidx=15;step=1;count=2
13 profile W=D,RP,RWI,RDI,LW,TM;WW=D;BW=M;BL=M;BA=M;words=9999;bits=9999;bitidx=0;step=1;count=2
14 profile W=MW,RP,RWI,RDI,LW,TM;WW=MW;BW=MW;BL=MW;BA=MW;words=9999;bits=9999;bitidx=15;step=1;count=2
15 profile W=N7,N9,N10,N11,N12,N13,N14,N15,RP,RWI,RDI,LW,TM;WW=N7,N9,N10,N11,N12,N13,N14,N15;BW=B3,B9,B10,B11,B12,B13;BL=B3,B9,B10,B11,B12,B13;BA=B3,B9,B10,B11,B12,B13;words=9999;bits=9999;bitidx=15;step=1;count=2
16 profile W=4x,3x,RP,RWI,RDI,LW,TM;WW=4x,3x;BW=0x;BL=0x,1x;BA=0x,1x;words=65535;bits=65535;bitidx=15;step=1;count=2
17 profile W=R,RP,RWI,RDI,LW,TM;WW=R;BW=F;BL=F;BA=F;words=9999;bits=9999;bitidx=0;step=1;count=1
18 profile W=D,RP,RWI,RDI,LW,TM;WW=D;BW=M;BL=M;BA=M;words=9999;bits=9999;bitidx=15;step=1;count=2
19 profile W=3x,4x,5x,6x,RP,RWI,RDI,LW,TM;WW=;BW=0x,4x;BL=0x,1x,3x,4x;BA=0x;words=65535;bits=65535;bitidx=15;step=1;count=2
20 profile W=D,SD,Z,T,C,C_double,RP,RWI,RDI,LW,TM;WW=D,SD,Z,T,C,C_double;BW=M,SM,Y,X,S,T,C;BL=M,SM,Y,X,S,T,C;BA=M,SM;words=9999;bits=9999;bitidx=15;step=1;count=2
20 1 0 D 0x82
20 1 1 SD 0x92
20 1 2 Z 0xA2
20 1 3 T 0xB2
20 1 4 C 0xC2
20 1 5 C_double 0xD2
20 1 6 RP 0x70
20 1 7 RWI 0x72
20 1 8 RDI 0x74
20 1 9 LW 0x92
20 1 10 TM 0x51
20 2 0 M 0x20
20 2 1 SM 0x30
20 2 2 Y 0x00
20 2 3 X 0x10
20 2 4 S 0x40
20 2 5 T 0x50
20 2 6 C 0x60
20 3 0 M 0x20
20 3 1 SM 0x30
20 3 2 Y 0x00
20 3 3 X 0x10
20 3 4 S 0x40
20 3 5 T 0x50
20 3 6 C 0x60
21 profile W=4x,5x,RP,RWI,RDI,LW,TM;WW=4x,5x;BW=0x,4x;BL=0x,4x;BA=0x;words=65535;bits=65535;bitidx=15;step=1;count=2
22 profile W=MW,RP,RWI,RDI,LW,TM;WW=MW;BW=MX;BL=MX;BA=MX;words=9999;bits=9999;bitidx=15;step=1;count=2
23 profile W=M,D,T,C,C_double,RP,RWI,RDI,LW,TM;WW=M,D,T,C,C_double;BW=M,Y,S;BL=X,M,Y,S;BA=M;words=9999;bits=9999;bitidx=0;step=1;count=2
24 profile W=DM,TM,RP,RWI,RDI,LW,TM;WW=;BW=R;BL=R;BA=R;words=9999;bits=9999;bitidx=255;step=1;count=2
25 profile W=3x,4x,5x,6x,RP,RWI,RDI,LW,TM;WW=;BW=0x,4x;BL=0x,1x,3x,4x;BA=0x;words=65535;bits=65535;bitidx=15;step=1;count=2
26 profile W=WM,WR,RP,RWI,RDI,LW,TM;WW=;BW=R,M;BL=R,M;BA=R,M;words=65535;bits=65535;bitidx=15;step=1;count=2
27 profile W=D,H,W,CIO,A,RP,RWI,RDI,LW,TM;WW=;BW=H,W,CIO,A;BL=H,W,CIO,A;BA=H,W,CIO,A;words=65535;bits=65535;bitidx=15;step=1;count=2
27 1 0 D 0x82
27 1 1 H 0xF2
27 1 2 W 0xA2
27 1 3 CIO 0xB2
27 1 4 A 0xC2
27 1 5 RP 0x70
27 1 6 RWI 0x72
27 1 7 RDI 0x74
27 1 8 LW 0x92
27 1 9 TM 0x51
27 2 0 H 0x80
27 2 1 W 0x30
27 2 2 CIO 0x40
27 2 3 A 0x50
27 3 0 H 0x80
27 3 1 W 0x30
27 3 2 CIO 0x40
27 3 3 A 0x50
28 profile W=D,Z,V,RP,RWI,RDI,LW,TM;WW=;BW=Y,M,S;BL=X,Y,M,S,T,C;BA=M,S;words=65535;bits=65535;bitidx=15;step=1;count=2
29 profile W=AIW,AQW,VW,RP,RWI,RDI,LW,TM;WW=;BW=M,Q,I;BL=M,Q,I;BA=Q,M;words=4094;bits=31;bitidx=7;step=2;count=2
30 profile W=AIW,AQW,VW,RP,RWI,RDI,LW,TM;WW=;BW=M,Q,I;BL=M,Q,I;BA=Q,M;words=4094;bits=31;bitidx=7;step=2;count=2
31 profile W=RC,KV,AI,UI,AU,DI,DU,AK,PK;WW=;BW=RC,AI,UI,AU,DI,DU;BL=RC,AI,UI,AU,DI,DU,PK;BA=;words=255;bits=255;bitidx=0;step=1;count=2
31 1 0 RC 0x00
31 1 1 KV 0x00
31 1 2 AI 0xA2
31 1 3 UI 0x00
31 1 4 AU 0x00
31 1 5 DI 0x00
31 1 6 DU 0x00
31 1 7 AK 0x00
31 1 8 PK 0x00
31 2 0 RC 0x00
31 2 1 AI 0xA2
31 2 2 UI 0x00
31 2 3 AU 0x00
31 2 4 DI 0x00
31 2 5 DU 0x00
31 3 0 RC 0x00
31 3 1 AI 0xA2
31 3 2 UI 0x00
31 3 3 AU 0x00
31 3 4 DI 0x00
31 3 5 DU 0x00
31 3 6 PK 0x00
32 profile W=W,RP,RWI,RDI,LW,TM;WW=;BW=M;BL=M;BA=M;words=2564;bits=127;bitidx=15;step=2;count=2
33 profile W=R,RP,RWI,RDI,LW,TM;WW=R;BW=M;BL=M;BA=M;words=65535;bits=9999;bitidx=15;step=2;count=2
34 profile W=4x,3x,RP,RWI,RDI,LW,TM;WW=4x,3x;BW=0x;BL=0x,1x;BA=0x,1x;words=65535;bits=65535;bitidx=15;step=1;count=2
35 profile W=AI,AQ,V,RP,RWI,RDI,LW,TM;WW=V;BW=M,X,Y;BL=M,X,Y;BA=M;words=2047;bits=2047;bitidx=0;step=1;count=2
36 profile W=D,RP,RWI,RDI,LW,TM;WW=D;BW=M;BL=M;BA=M;words=8000;bits=127;bitidx=7;step=1;count=2
)";

std::string RunTavo(const std::string& args, int* status) {
  std::string cmd = std::string(TAVO_BIN_DIR) + "/tavo " + args;
  FILE* pipe = popen(cmd.c_str(), "r");
  std::string out;
  if (!pipe) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  *status = pclose(pipe);
  return out;
}

// The profile lines and the code lines of protocols 20, 27 and 31, in order.
std::vector<std::string> Selected(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    const std::string p = line.substr(0, line.find(' '));
    if (line.find(" profile ") != std::string::npos || p == "20" || p == "27" || p == "31")
      out.push_back(line);
  }
  return out;
}

TEST(CatalogueCodes, MatchesTheGoldenListing) {
  int status = -1;
  const std::string out = RunTavo("catalogue --codes", &status);
  ASSERT_EQ(status, 0);
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out.back(), '\n');
  EXPECT_EQ(out.find('\r'), std::string::npos);
  const auto expected = Selected(kGolden);
  ASSERT_EQ(expected.size(), 36u + 25 + 18 + 22);
  EXPECT_EQ(Selected(out), expected);
}

}  // namespace
