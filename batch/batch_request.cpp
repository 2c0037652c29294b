#include "batch/batch_request.h"

#include <string>
#include <vector>

#include "batch/byte_stream.h"
#include "model/given_pair.h"
#include "model/triangle_solver.h"

namespace rt {

int ParsePairArgument(std::string_view text) {
  if (const auto index = ListIndexOfText(text)) return *index;
  if (text.empty() || text.size() > 2) return -1;
  int index = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    index = index * 10 + (c - '0');
  }
  return index < kGivenPairCount ? index : -1;
}

void AnswerBatchRequest(std::string_view line, const RegionalSettings& settings, std::string& out) {
  const std::size_t tab1 = line.find('\t');
  const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
  const int list_index = tab1 == std::string_view::npos ? -1 : ParsePairArgument(line.substr(0, tab1));
  if (tab2 == std::string_view::npos || line.find('\t', tab2 + 1) != std::string_view::npos ||
      list_index < 0) {
    out += "error:request\n";
    return;
  }

  const SolverInput input =
      InputForTypedPair(list_index, line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1));

  const SolveOutcome outcome = SolveTriangle(input, settings);
  switch (outcome.status) {
    case SolveStatus::Unchanged: out += "unchanged\n"; return;
    case SolveStatus::Failed:
      switch (outcome.error) {
        case RuntimeError::DivisionByZero: out += "error:divzero\n"; return;
        case RuntimeError::Overflow: out += "error:overflow\n"; return;
        case RuntimeError::InvalidOperation:
        case RuntimeError::None: out += "error:invalid\n"; return;
      }
      return;
    case SolveStatus::Written:
      for (std::size_t i = 0; i < outcome.texts.size(); ++i) {
        if (i > 0) out += '\t';
        out += outcome.texts[i];
      }
      out += '\n';
      return;
  }
}

bool AnswerBatchStream(const RegionalSettings& settings) {
  std::vector<char> buffer(1 << 16);
  std::string pending;  // an incomplete line carried over to the next read
  std::string answers;
  for (;;) {
    const std::ptrdiff_t count = ReadStdin(buffer.data(), buffer.size());
    if (count < 0) return false;
    if (count == 0) break;
    std::string_view chunk(buffer.data(), static_cast<std::size_t>(count));
    for (std::size_t end = chunk.find('\n'); end != std::string_view::npos; end = chunk.find('\n')) {
      if (pending.empty()) {
        AnswerBatchRequest(chunk.substr(0, end), settings, answers);
      } else {
        pending.append(chunk.substr(0, end));
        AnswerBatchRequest(pending, settings, answers);
        pending.clear();
      }
      chunk.remove_prefix(end + 1);
    }
    pending.append(chunk);
    if (!WriteStdout(answers.data(), answers.size())) return false;
    answers.clear();
  }
  if (!pending.empty()) AnswerBatchRequest(pending, settings, answers);
  return WriteStdout(answers.data(), answers.size());
}

}  // namespace rt
