// What the student is told about how a given value was read.

#include "messages/reading_notes.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/regional_presets.h"

namespace rt {
namespace {

struct NoteRow {
  RegionalSettings settings;
  const char* typed;
  const char* note;  // "" where nothing needs saying
};

TEST(ReadingNote, SaysWhatTheReadingDidWhereTheBoxesHideIt) {
  const RegionalSettings us = test::EnglishUsSettings();
  const RegionalSettings bg = test::BulgarianSettings();
  const std::vector<NoteRow> table = {
      {us, "4,8", "Прочетено е само 4 от „4,8“: тук десетичният знак е точка."},
      {us, "4,80", "Прочетено е само 4 от „4,80“: тук десетичният знак е точка."},
      {us, "4,8,1", "Прочетено е само 4 от „4,8,1“: тук десетичният знак е точка."},
      {bg, "4,8,1", "Прочетено е само 4,8 от „4,8,1“."},
      {us, "4.8,1", "Прочетено е само 4.8 от „4.8,1“."},  // the point was used: no word on it
      {bg, "4.8.1", "Прочетено е само 4,8 от „4.8.1“."},
      {bg, "4cm", "Прочетено е само 4 от „4cm“."},
      {test::GermanSettings(), "4.8", ""},  // "." is always a decimal point
      {us, "4 8", "Прочетено е 48 от „4 8“: интервалите между цифрите се пропускат."},
      {bg, "4 8", "Прочетено е 48 от „4 8“: интервалите между цифрите се пропускат."},
      {bg, "-10", "Стойността на hc („-10“) не е положително число; нищо не е изчислено."},
      {bg, "abc", "Стойността на hc („abc“) не е положително число; нищо не е изчислено."},
      {bg, "0", "Стойността на hc („0“) не е положително число; нищо не е изчислено."},
      {bg, "", "Полето hc е празно."},
      {bg, "  \t", "Полето hc е празно."},
      {bg, "1e400", "Стойността на hc („1e400“) е твърде голяма; нищо не е изчислено."},
      {bg, "abcdefghijklmnopqrstuvwxyzабв",
       "Стойността на hc („abcdefghijklmnopqrstuvwx…“) не е положително число; нищо не е изчислено."},
      {bg, "абвгдежзийклмнопрстуфхцчшщ",
       "Стойността на hc („абвгдежзийклмнопрстуфхцч…“) не е положително число; нищо не е изчислено."},
      {bg, "4,8", ""},
      {us, "4. 5", ""},  // a blank after the point joins no digits
      {bg, " 4,8 ", ""},
      {us, "4.8", ""},
      {us, "1,234.5", ""},
      {bg, "12\u00a0345,5", ""},
      {bg, "2e3", ""},
  };
  for (const NoteRow& row : table) {
    EXPECT_EQ(ReadingNote(Quantity::Hc, row.typed, row.settings), row.note)
        << row.typed << " with " << testing::PrintToString(row.settings);
  }
  EXPECT_EQ(ReadingNote(Quantity::A1, "", test::BulgarianSettings()), "Полето a1 е празно.");
}

}  // namespace
}  // namespace rt
