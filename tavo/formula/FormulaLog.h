#pragma once
// The messages of one evaluation, German and English, with their codes, and the one way to fail.

#include <string>
#include <vector>

class FormulaLog {
 public:
  // Records a message that does not stop the evaluation.
  void Note(int code, std::string german, std::string english);
  // Records the German message with its code, then throws std::runtime_error(english).
  [[noreturn]] void Fail(int code, std::string german, const std::string& english);

  const std::vector<std::string>& Messages() const { return m_messages; }
  const std::vector<std::string>& EnglishMessages() const { return m_english; }
  const std::vector<int>& Codes() const { return m_codes; }

 private:
  std::vector<std::string> m_messages;  // in the order recorded
  std::vector<std::string> m_english;   // the same in English
  std::vector<int> m_codes;             // one per message
};
