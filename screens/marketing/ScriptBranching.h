#pragma once

// The way through the sample call script: which question Next and Previous
// lead to from each of its four questions. Question 2 branches on its answer
// line "Yes" being selected; the others branch at question level.

namespace ScriptBranching {

inline constexpr int QuestionCount = 4;

// The question that follows `question`; 0 when Next leads nowhere (the end of
// the script, or a number outside 1 .. QuestionCount).
int next(int question, bool yesSelected);
// The question before `question`; 0 when Previous leads nowhere. With the same
// selection it retraces the step that next() took.
int previous(int question, bool yesSelected);

} // namespace ScriptBranching
