#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

// A small LAS 2.0 log in metres whose lines the tests refer to by number:
// five rows from 1000 to 1002 m in steps of 0.5 m, curves DEPT, GR, PHIE,
// PERM. Line 11 opens ~C, line 20 ~A, lines 21 to 25 are the data rows.
namespace lasbeispiel {

inline const std::string kLog =
    "~VERSION INFORMATION\n"                                  // 1
    " VERS.   2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0\n"  // 2
    " WRAP.   NO  : ONE LINE PER DEPTH STEP\n"                // 3
    "~WELL INFORMATION\n"                                     // 4
    "#MNEM.UNIT   DATA        : DESCRIPTION\n"                // 5
    " STRT.M   1000.0 : START DEPTH\n"                        // 6
    " STOP.M   1002.0 : STOP DEPTH\n"                         // 7
    " STEP.M   0.5    : STEP\n"                               // 8
    " NULL.    -999.25 : NULL VALUE\n"                        // 9
    " WELL.    TEST-1 : WELL\n"                               // 10
    "~CURVE INFORMATION\n"                                    // 11
    " DEPT.M                 : DEPTH\n"                       // 12
    " GR  .GAPI  30 310 01 00 : GAMMA RAY\n"                  // 13
    " PHIE.V/V               : EFFECTIVE POROSITY\n"          // 14
    " PERM.MD                : PERMEABILITY\n"                // 15
    "~PARAMETER INFORMATION\n"                                // 16
    " BHT .DEGC  85.0 : BOTTOM HOLE TEMPERATURE\n"            // 17
    "~OTHER\n"                                                // 18
    "Remarks: cored interval 1000-1002 m.\n"                  // 19
    "~A  DEPT  GR  PHIE  PERM\n"                              // 20
    "1000.0  45.0  0.20  100.0\n"                             // 21
    "1000.5  50.0  0.25  100.0\n"                             // 22
    "1001.0  55.0  0.10  100.0\n"                             // 23
    "1001.5  60.0  0.30  100.0\n"                             // 24
    "1002.0  65.0  0.30  100.0\n";                            // 25

// The log with the first occurrence of `alt` replaced by `neu`.
inline std::string Mit(std::string_view alt, std::string_view neu, std::string log = kLog) {
  const std::size_t stelle = log.find(alt);
  if (stelle == std::string::npos) {
    ADD_FAILURE() << "not in the log: " << alt;
    return log;
  }
  log.replace(stelle, alt.size(), neu);
  return log;
}

}  // namespace lasbeispiel
