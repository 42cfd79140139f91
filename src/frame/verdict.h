#pragma once
// What a judged answer comes to: right, wrong, or ignored (nothing to judge
// yet, such as an empty field or a click on a solved exercise), which
// changes nothing on the screen.

enum class Verdict { Right, Wrong, Ignored };
