#include "gradebook/latin_letters.h"

#include <algorithm>
#include <array>

namespace quillmark {
namespace {

struct Decomposition {
    char32_t letter;
    std::u32string_view parts; // a letter Windows-1252 holds, then the marks in canonical order
};

// The canonical decompositions of the Latin letters of U+00C0 to U+024F and U+1E00 to U+1EFF
// whose first part Windows-1252 holds, in order of the letter; made with Python's unicodedata
// (NFD of each letter).
// clang-format off
constexpr auto decompositions = std::to_array<Decomposition>({
    {0x00C0, U"A\u0300"}, {0x00C1, U"A\u0301"}, {0x00C2, U"A\u0302"}, {0x00C3, U"A\u0303"},
    {0x00C4, U"A\u0308"}, {0x00C5, U"A\u030A"}, {0x00C7, U"C\u0327"}, {0x00C8, U"E\u0300"},
    {0x00C9, U"E\u0301"}, {0x00CA, U"E\u0302"}, {0x00CB, U"E\u0308"}, {0x00CC, U"I\u0300"},
    {0x00CD, U"I\u0301"}, {0x00CE, U"I\u0302"}, {0x00CF, U"I\u0308"}, {0x00D1, U"N\u0303"},
    {0x00D2, U"O\u0300"}, {0x00D3, U"O\u0301"}, {0x00D4, U"O\u0302"}, {0x00D5, U"O\u0303"},
    {0x00D6, U"O\u0308"}, {0x00D9, U"U\u0300"}, {0x00DA, U"U\u0301"}, {0x00DB, U"U\u0302"},
    {0x00DC, U"U\u0308"}, {0x00DD, U"Y\u0301"}, {0x00E0, U"a\u0300"}, {0x00E1, U"a\u0301"},
    {0x00E2, U"a\u0302"}, {0x00E3, U"a\u0303"}, {0x00E4, U"a\u0308"}, {0x00E5, U"a\u030A"},
    {0x00E7, U"c\u0327"}, {0x00E8, U"e\u0300"}, {0x00E9, U"e\u0301"}, {0x00EA, U"e\u0302"},
    {0x00EB, U"e\u0308"}, {0x00EC, U"i\u0300"}, {0x00ED, U"i\u0301"}, {0x00EE, U"i\u0302"},
    {0x00EF, U"i\u0308"}, {0x00F1, U"n\u0303"}, {0x00F2, U"o\u0300"}, {0x00F3, U"o\u0301"},
    {0x00F4, U"o\u0302"}, {0x00F5, U"o\u0303"}, {0x00F6, U"o\u0308"}, {0x00F9, U"u\u0300"},
    {0x00FA, U"u\u0301"}, {0x00FB, U"u\u0302"}, {0x00FC, U"u\u0308"}, {0x00FD, U"y\u0301"},
    {0x00FF, U"y\u0308"}, {0x0100, U"A\u0304"}, {0x0101, U"a\u0304"}, {0x0102, U"A\u0306"},
    {0x0103, U"a\u0306"}, {0x0104, U"A\u0328"}, {0x0105, U"a\u0328"}, {0x0106, U"C\u0301"},
    {0x0107, U"c\u0301"}, {0x0108, U"C\u0302"}, {0x0109, U"c\u0302"}, {0x010A, U"C\u0307"},
    {0x010B, U"c\u0307"}, {0x010C, U"C\u030C"}, {0x010D, U"c\u030C"}, {0x010E, U"D\u030C"},
    {0x010F, U"d\u030C"}, {0x0112, U"E\u0304"}, {0x0113, U"e\u0304"}, {0x0114, U"E\u0306"},
    {0x0115, U"e\u0306"}, {0x0116, U"E\u0307"}, {0x0117, U"e\u0307"}, {0x0118, U"E\u0328"},
    {0x0119, U"e\u0328"}, {0x011A, U"E\u030C"}, {0x011B, U"e\u030C"}, {0x011C, U"G\u0302"},
    {0x011D, U"g\u0302"}, {0x011E, U"G\u0306"}, {0x011F, U"g\u0306"}, {0x0120, U"G\u0307"},
    {0x0121, U"g\u0307"}, {0x0122, U"G\u0327"}, {0x0123, U"g\u0327"}, {0x0124, U"H\u0302"},
    {0x0125, U"h\u0302"}, {0x0128, U"I\u0303"}, {0x0129, U"i\u0303"}, {0x012A, U"I\u0304"},
    {0x012B, U"i\u0304"}, {0x012C, U"I\u0306"}, {0x012D, U"i\u0306"}, {0x012E, U"I\u0328"},
    {0x012F, U"i\u0328"}, {0x0130, U"I\u0307"}, {0x0134, U"J\u0302"}, {0x0135, U"j\u0302"},
    {0x0136, U"K\u0327"}, {0x0137, U"k\u0327"}, {0x0139, U"L\u0301"}, {0x013A, U"l\u0301"},
    {0x013B, U"L\u0327"}, {0x013C, U"l\u0327"}, {0x013D, U"L\u030C"}, {0x013E, U"l\u030C"},
    {0x0143, U"N\u0301"}, {0x0144, U"n\u0301"}, {0x0145, U"N\u0327"}, {0x0146, U"n\u0327"},
    {0x0147, U"N\u030C"}, {0x0148, U"n\u030C"}, {0x014C, U"O\u0304"}, {0x014D, U"o\u0304"},
    {0x014E, U"O\u0306"}, {0x014F, U"o\u0306"}, {0x0150, U"O\u030B"}, {0x0151, U"o\u030B"},
    {0x0154, U"R\u0301"}, {0x0155, U"r\u0301"}, {0x0156, U"R\u0327"}, {0x0157, U"r\u0327"},
    {0x0158, U"R\u030C"}, {0x0159, U"r\u030C"}, {0x015A, U"S\u0301"}, {0x015B, U"s\u0301"},
    {0x015C, U"S\u0302"}, {0x015D, U"s\u0302"}, {0x015E, U"S\u0327"}, {0x015F, U"s\u0327"},
    {0x0160, U"S\u030C"}, {0x0161, U"s\u030C"}, {0x0162, U"T\u0327"}, {0x0163, U"t\u0327"},
    {0x0164, U"T\u030C"}, {0x0165, U"t\u030C"}, {0x0168, U"U\u0303"}, {0x0169, U"u\u0303"},
    {0x016A, U"U\u0304"}, {0x016B, U"u\u0304"}, {0x016C, U"U\u0306"}, {0x016D, U"u\u0306"},
    {0x016E, U"U\u030A"}, {0x016F, U"u\u030A"}, {0x0170, U"U\u030B"}, {0x0171, U"u\u030B"},
    {0x0172, U"U\u0328"}, {0x0173, U"u\u0328"}, {0x0174, U"W\u0302"}, {0x0175, U"w\u0302"},
    {0x0176, U"Y\u0302"}, {0x0177, U"y\u0302"}, {0x0178, U"Y\u0308"}, {0x0179, U"Z\u0301"},
    {0x017A, U"z\u0301"}, {0x017B, U"Z\u0307"}, {0x017C, U"z\u0307"}, {0x017D, U"Z\u030C"},
    {0x017E, U"z\u030C"}, {0x01A0, U"O\u031B"}, {0x01A1, U"o\u031B"}, {0x01AF, U"U\u031B"},
    {0x01B0, U"u\u031B"}, {0x01CD, U"A\u030C"}, {0x01CE, U"a\u030C"}, {0x01CF, U"I\u030C"},
    {0x01D0, U"i\u030C"}, {0x01D1, U"O\u030C"}, {0x01D2, U"o\u030C"}, {0x01D3, U"U\u030C"},
    {0x01D4, U"u\u030C"}, {0x01D5, U"U\u0308\u0304"}, {0x01D6, U"u\u0308\u0304"},
    {0x01D7, U"U\u0308\u0301"}, {0x01D8, U"u\u0308\u0301"}, {0x01D9, U"U\u0308\u030C"},
    {0x01DA, U"u\u0308\u030C"}, {0x01DB, U"U\u0308\u0300"}, {0x01DC, U"u\u0308\u0300"},
    {0x01DE, U"A\u0308\u0304"}, {0x01DF, U"a\u0308\u0304"}, {0x01E0, U"A\u0307\u0304"},
    {0x01E1, U"a\u0307\u0304"}, {0x01E2, U"\u00C6\u0304"}, {0x01E3, U"\u00E6\u0304"},
    {0x01E6, U"G\u030C"}, {0x01E7, U"g\u030C"}, {0x01E8, U"K\u030C"}, {0x01E9, U"k\u030C"},
    {0x01EA, U"O\u0328"}, {0x01EB, U"o\u0328"}, {0x01EC, U"O\u0328\u0304"},
    {0x01ED, U"o\u0328\u0304"}, {0x01F0, U"j\u030C"}, {0x01F4, U"G\u0301"}, {0x01F5, U"g\u0301"},
    {0x01F8, U"N\u0300"}, {0x01F9, U"n\u0300"}, {0x01FA, U"A\u030A\u0301"},
    {0x01FB, U"a\u030A\u0301"}, {0x01FC, U"\u00C6\u0301"}, {0x01FD, U"\u00E6\u0301"},
    {0x01FE, U"\u00D8\u0301"}, {0x01FF, U"\u00F8\u0301"}, {0x0200, U"A\u030F"},
    {0x0201, U"a\u030F"}, {0x0202, U"A\u0311"}, {0x0203, U"a\u0311"}, {0x0204, U"E\u030F"},
    {0x0205, U"e\u030F"}, {0x0206, U"E\u0311"}, {0x0207, U"e\u0311"}, {0x0208, U"I\u030F"},
    {0x0209, U"i\u030F"}, {0x020A, U"I\u0311"}, {0x020B, U"i\u0311"}, {0x020C, U"O\u030F"},
    {0x020D, U"o\u030F"}, {0x020E, U"O\u0311"}, {0x020F, U"o\u0311"}, {0x0210, U"R\u030F"},
    {0x0211, U"r\u030F"}, {0x0212, U"R\u0311"}, {0x0213, U"r\u0311"}, {0x0214, U"U\u030F"},
    {0x0215, U"u\u030F"}, {0x0216, U"U\u0311"}, {0x0217, U"u\u0311"}, {0x0218, U"S\u0326"},
    {0x0219, U"s\u0326"}, {0x021A, U"T\u0326"}, {0x021B, U"t\u0326"}, {0x021E, U"H\u030C"},
    {0x021F, U"h\u030C"}, {0x0226, U"A\u0307"}, {0x0227, U"a\u0307"}, {0x0228, U"E\u0327"},
    {0x0229, U"e\u0327"}, {0x022A, U"O\u0308\u0304"}, {0x022B, U"o\u0308\u0304"},
    {0x022C, U"O\u0303\u0304"}, {0x022D, U"o\u0303\u0304"}, {0x022E, U"O\u0307"},
    {0x022F, U"o\u0307"}, {0x0230, U"O\u0307\u0304"}, {0x0231, U"o\u0307\u0304"},
    {0x0232, U"Y\u0304"}, {0x0233, U"y\u0304"}, {0x1E00, U"A\u0325"}, {0x1E01, U"a\u0325"},
    {0x1E02, U"B\u0307"}, {0x1E03, U"b\u0307"}, {0x1E04, U"B\u0323"}, {0x1E05, U"b\u0323"},
    {0x1E06, U"B\u0331"}, {0x1E07, U"b\u0331"}, {0x1E08, U"C\u0327\u0301"},
    {0x1E09, U"c\u0327\u0301"}, {0x1E0A, U"D\u0307"}, {0x1E0B, U"d\u0307"}, {0x1E0C, U"D\u0323"},
    {0x1E0D, U"d\u0323"}, {0x1E0E, U"D\u0331"}, {0x1E0F, U"d\u0331"}, {0x1E10, U"D\u0327"},
    {0x1E11, U"d\u0327"}, {0x1E12, U"D\u032D"}, {0x1E13, U"d\u032D"}, {0x1E14, U"E\u0304\u0300"},
    {0x1E15, U"e\u0304\u0300"}, {0x1E16, U"E\u0304\u0301"}, {0x1E17, U"e\u0304\u0301"},
    {0x1E18, U"E\u032D"}, {0x1E19, U"e\u032D"}, {0x1E1A, U"E\u0330"}, {0x1E1B, U"e\u0330"},
    {0x1E1C, U"E\u0327\u0306"}, {0x1E1D, U"e\u0327\u0306"}, {0x1E1E, U"F\u0307"},
    {0x1E1F, U"f\u0307"}, {0x1E20, U"G\u0304"}, {0x1E21, U"g\u0304"}, {0x1E22, U"H\u0307"},
    {0x1E23, U"h\u0307"}, {0x1E24, U"H\u0323"}, {0x1E25, U"h\u0323"}, {0x1E26, U"H\u0308"},
    {0x1E27, U"h\u0308"}, {0x1E28, U"H\u0327"}, {0x1E29, U"h\u0327"}, {0x1E2A, U"H\u032E"},
    {0x1E2B, U"h\u032E"}, {0x1E2C, U"I\u0330"}, {0x1E2D, U"i\u0330"}, {0x1E2E, U"I\u0308\u0301"},
    {0x1E2F, U"i\u0308\u0301"}, {0x1E30, U"K\u0301"}, {0x1E31, U"k\u0301"}, {0x1E32, U"K\u0323"},
    {0x1E33, U"k\u0323"}, {0x1E34, U"K\u0331"}, {0x1E35, U"k\u0331"}, {0x1E36, U"L\u0323"},
    {0x1E37, U"l\u0323"}, {0x1E38, U"L\u0323\u0304"}, {0x1E39, U"l\u0323\u0304"},
    {0x1E3A, U"L\u0331"}, {0x1E3B, U"l\u0331"}, {0x1E3C, U"L\u032D"}, {0x1E3D, U"l\u032D"},
    {0x1E3E, U"M\u0301"}, {0x1E3F, U"m\u0301"}, {0x1E40, U"M\u0307"}, {0x1E41, U"m\u0307"},
    {0x1E42, U"M\u0323"}, {0x1E43, U"m\u0323"}, {0x1E44, U"N\u0307"}, {0x1E45, U"n\u0307"},
    {0x1E46, U"N\u0323"}, {0x1E47, U"n\u0323"}, {0x1E48, U"N\u0331"}, {0x1E49, U"n\u0331"},
    {0x1E4A, U"N\u032D"}, {0x1E4B, U"n\u032D"}, {0x1E4C, U"O\u0303\u0301"},
    {0x1E4D, U"o\u0303\u0301"}, {0x1E4E, U"O\u0303\u0308"}, {0x1E4F, U"o\u0303\u0308"},
    {0x1E50, U"O\u0304\u0300"}, {0x1E51, U"o\u0304\u0300"}, {0x1E52, U"O\u0304\u0301"},
    {0x1E53, U"o\u0304\u0301"}, {0x1E54, U"P\u0301"}, {0x1E55, U"p\u0301"}, {0x1E56, U"P\u0307"},
    {0x1E57, U"p\u0307"}, {0x1E58, U"R\u0307"}, {0x1E59, U"r\u0307"}, {0x1E5A, U"R\u0323"},
    {0x1E5B, U"r\u0323"}, {0x1E5C, U"R\u0323\u0304"}, {0x1E5D, U"r\u0323\u0304"},
    {0x1E5E, U"R\u0331"}, {0x1E5F, U"r\u0331"}, {0x1E60, U"S\u0307"}, {0x1E61, U"s\u0307"},
    {0x1E62, U"S\u0323"}, {0x1E63, U"s\u0323"}, {0x1E64, U"S\u0301\u0307"},
    {0x1E65, U"s\u0301\u0307"}, {0x1E66, U"S\u030C\u0307"}, {0x1E67, U"s\u030C\u0307"},
    {0x1E68, U"S\u0323\u0307"}, {0x1E69, U"s\u0323\u0307"}, {0x1E6A, U"T\u0307"},
    {0x1E6B, U"t\u0307"}, {0x1E6C, U"T\u0323"}, {0x1E6D, U"t\u0323"}, {0x1E6E, U"T\u0331"},
    {0x1E6F, U"t\u0331"}, {0x1E70, U"T\u032D"}, {0x1E71, U"t\u032D"}, {0x1E72, U"U\u0324"},
    {0x1E73, U"u\u0324"}, {0x1E74, U"U\u0330"}, {0x1E75, U"u\u0330"}, {0x1E76, U"U\u032D"},
    {0x1E77, U"u\u032D"}, {0x1E78, U"U\u0303\u0301"}, {0x1E79, U"u\u0303\u0301"},
    {0x1E7A, U"U\u0304\u0308"}, {0x1E7B, U"u\u0304\u0308"}, {0x1E7C, U"V\u0303"},
    {0x1E7D, U"v\u0303"}, {0x1E7E, U"V\u0323"}, {0x1E7F, U"v\u0323"}, {0x1E80, U"W\u0300"},
    {0x1E81, U"w\u0300"}, {0x1E82, U"W\u0301"}, {0x1E83, U"w\u0301"}, {0x1E84, U"W\u0308"},
    {0x1E85, U"w\u0308"}, {0x1E86, U"W\u0307"}, {0x1E87, U"w\u0307"}, {0x1E88, U"W\u0323"},
    {0x1E89, U"w\u0323"}, {0x1E8A, U"X\u0307"}, {0x1E8B, U"x\u0307"}, {0x1E8C, U"X\u0308"},
    {0x1E8D, U"x\u0308"}, {0x1E8E, U"Y\u0307"}, {0x1E8F, U"y\u0307"}, {0x1E90, U"Z\u0302"},
    {0x1E91, U"z\u0302"}, {0x1E92, U"Z\u0323"}, {0x1E93, U"z\u0323"}, {0x1E94, U"Z\u0331"},
    {0x1E95, U"z\u0331"}, {0x1E96, U"h\u0331"}, {0x1E97, U"t\u0308"}, {0x1E98, U"w\u030A"},
    {0x1E99, U"y\u030A"}, {0x1EA0, U"A\u0323"}, {0x1EA1, U"a\u0323"}, {0x1EA2, U"A\u0309"},
    {0x1EA3, U"a\u0309"}, {0x1EA4, U"A\u0302\u0301"}, {0x1EA5, U"a\u0302\u0301"},
    {0x1EA6, U"A\u0302\u0300"}, {0x1EA7, U"a\u0302\u0300"}, {0x1EA8, U"A\u0302\u0309"},
    {0x1EA9, U"a\u0302\u0309"}, {0x1EAA, U"A\u0302\u0303"}, {0x1EAB, U"a\u0302\u0303"},
    {0x1EAC, U"A\u0323\u0302"}, {0x1EAD, U"a\u0323\u0302"}, {0x1EAE, U"A\u0306\u0301"},
    {0x1EAF, U"a\u0306\u0301"}, {0x1EB0, U"A\u0306\u0300"}, {0x1EB1, U"a\u0306\u0300"},
    {0x1EB2, U"A\u0306\u0309"}, {0x1EB3, U"a\u0306\u0309"}, {0x1EB4, U"A\u0306\u0303"},
    {0x1EB5, U"a\u0306\u0303"}, {0x1EB6, U"A\u0323\u0306"}, {0x1EB7, U"a\u0323\u0306"},
    {0x1EB8, U"E\u0323"}, {0x1EB9, U"e\u0323"}, {0x1EBA, U"E\u0309"}, {0x1EBB, U"e\u0309"},
    {0x1EBC, U"E\u0303"}, {0x1EBD, U"e\u0303"}, {0x1EBE, U"E\u0302\u0301"},
    {0x1EBF, U"e\u0302\u0301"}, {0x1EC0, U"E\u0302\u0300"}, {0x1EC1, U"e\u0302\u0300"},
    {0x1EC2, U"E\u0302\u0309"}, {0x1EC3, U"e\u0302\u0309"}, {0x1EC4, U"E\u0302\u0303"},
    {0x1EC5, U"e\u0302\u0303"}, {0x1EC6, U"E\u0323\u0302"}, {0x1EC7, U"e\u0323\u0302"},
    {0x1EC8, U"I\u0309"}, {0x1EC9, U"i\u0309"}, {0x1ECA, U"I\u0323"}, {0x1ECB, U"i\u0323"},
    {0x1ECC, U"O\u0323"}, {0x1ECD, U"o\u0323"}, {0x1ECE, U"O\u0309"}, {0x1ECF, U"o\u0309"},
    {0x1ED0, U"O\u0302\u0301"}, {0x1ED1, U"o\u0302\u0301"}, {0x1ED2, U"O\u0302\u0300"},
    {0x1ED3, U"o\u0302\u0300"}, {0x1ED4, U"O\u0302\u0309"}, {0x1ED5, U"o\u0302\u0309"},
    {0x1ED6, U"O\u0302\u0303"}, {0x1ED7, U"o\u0302\u0303"}, {0x1ED8, U"O\u0323\u0302"},
    {0x1ED9, U"o\u0323\u0302"}, {0x1EDA, U"O\u031B\u0301"}, {0x1EDB, U"o\u031B\u0301"},
    {0x1EDC, U"O\u031B\u0300"}, {0x1EDD, U"o\u031B\u0300"}, {0x1EDE, U"O\u031B\u0309"},
    {0x1EDF, U"o\u031B\u0309"}, {0x1EE0, U"O\u031B\u0303"}, {0x1EE1, U"o\u031B\u0303"},
    {0x1EE2, U"O\u031B\u0323"}, {0x1EE3, U"o\u031B\u0323"}, {0x1EE4, U"U\u0323"},
    {0x1EE5, U"u\u0323"}, {0x1EE6, U"U\u0309"}, {0x1EE7, U"u\u0309"}, {0x1EE8, U"U\u031B\u0301"},
    {0x1EE9, U"u\u031B\u0301"}, {0x1EEA, U"U\u031B\u0300"}, {0x1EEB, U"u\u031B\u0300"},
    {0x1EEC, U"U\u031B\u0309"}, {0x1EED, U"u\u031B\u0309"}, {0x1EEE, U"U\u031B\u0303"},
    {0x1EEF, U"u\u031B\u0303"}, {0x1EF0, U"U\u031B\u0323"}, {0x1EF1, U"u\u031B\u0323"},
    {0x1EF2, U"Y\u0300"}, {0x1EF3, U"y\u0300"}, {0x1EF4, U"Y\u0323"}, {0x1EF5, U"y\u0323"},
    {0x1EF6, U"Y\u0309"}, {0x1EF7, U"y\u0309"}, {0x1EF8, U"Y\u0303"}, {0x1EF9, U"y\u0303"},
});
// clang-format on

struct Plain {
    char32_t letter;
    char32_t base;
};

// Letters whose mark is part of the letter itself (a stroke, a hook, a missing dot), so that
// decomposition does not reach the base letter, in order of the letter.
// clang-format off
constexpr auto plain_letters = std::to_array<Plain>({
    {0x0110, 'D'}, {0x0111, 'd'}, {0x0126, 'H'}, {0x0127, 'h'}, {0x0131, 'i'}, {0x013F, 'L'},
    {0x0140, 'l'}, {0x0141, 'L'}, {0x0142, 'l'}, {0x0166, 'T'}, {0x0167, 't'}, {0x017F, 's'},
    {0x0180, 'b'}, {0x0181, 'B'}, {0x0187, 'C'}, {0x0188, 'c'}, {0x018A, 'D'}, {0x0191, 'F'},
    {0x0193, 'G'}, {0x0197, 'I'}, {0x0198, 'K'}, {0x0199, 'k'}, {0x01A4, 'P'}, {0x01A5, 'p'},
    {0x01AC, 'T'}, {0x01AD, 't'}, {0x01B2, 'V'}, {0x01B3, 'Y'}, {0x01B4, 'y'}, {0x01B5, 'Z'},
    {0x01B6, 'z'}, {0x01E4, 'G'}, {0x01E5, 'g'}, {0x0224, 'Z'}, {0x0225, 'z'}, {0x0237, 'j'},
    {0x023A, 'A'}, {0x023B, 'C'}, {0x023C, 'c'}, {0x0243, 'B'}, {0x0246, 'E'}, {0x0247, 'e'},
    {0x0248, 'J'}, {0x0249, 'j'}, {0x024C, 'R'}, {0x024D, 'r'}, {0x024E, 'Y'}, {0x024F, 'y'},
    {0x0253, 'b'}, {0x0257, 'd'}, {0x0268, 'i'},
});
// clang-format on

std::u32string_view parts_of(char32_t letter) {
    const auto found =
        std::lower_bound(decompositions.begin(), decompositions.end(), letter,
                         [](const Decomposition& d, char32_t c) { return d.letter < c; });
    return found != decompositions.end() && found->letter == letter ? found->parts
                                                                    : std::u32string_view{};
}

} // namespace

bool is_combining_mark(char32_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

std::u32string composed(std::u32string_view text) {
    std::u32string result;
    result.reserve(text.size());
    for (char32_t c : text) {
        if (is_combining_mark(c) && !result.empty()) {
            std::u32string wanted{parts_of(result.back())};
            if (wanted.empty()) {
                wanted.push_back(result.back());
            }
            wanted.push_back(c);
            const auto found =
                std::find_if(decompositions.begin(), decompositions.end(),
                             [&](const Decomposition& d) { return d.parts == wanted; });
            if (found != decompositions.end()) {
                result.back() = found->letter;
                continue;
            }
        }
        result.push_back(c);
    }
    return result;
}

std::optional<char32_t> base_letter(char32_t letter) {
    if (const std::u32string_view parts = parts_of(letter); !parts.empty()) {
        return parts.front();
    }
    const auto found = std::lower_bound(plain_letters.begin(), plain_letters.end(), letter,
                                        [](const Plain& p, char32_t c) { return p.letter < c; });
    if (found != plain_letters.end() && found->letter == letter) {
        return found->base;
    }
    return std::nullopt;
}

} // namespace quillmark
