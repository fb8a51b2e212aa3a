#pragma once

// The jump setting the two jump elements share: a page (jmAbsolut) or a page
// offset from the current page (jmRelativ). Declared in an element class
// with TK_JUMP_TARGET; leaves the access at private.

#include "wizard/WizardEnums.h"

#define TK_JUMP_TARGET                                                                                              \
    Q_PROPERTY(int JumpPage READ JumpPage WRITE SetJumpPage)                                                        \
    Q_PROPERTY(Wz::TJumpMode JumpMode READ JumpMode WRITE SetJumpMode)                                              \
                                                                                                                    \
public:                                                                                                             \
    int JumpPage() const { return m_jumpPage; }                                                                     \
    void SetJumpPage(int page) { m_jumpPage = page; }                                                               \
    Wz::TJumpMode JumpMode() const { return m_jumpMode; }                                                           \
    void SetJumpMode(Wz::TJumpMode mode) { m_jumpMode = mode; }                                                     \
    /* The page the jump leads to from `page`. */                                                                   \
    int jumpTarget(int page) const { return m_jumpMode == Wz::TJumpMode::jmAbsolut ? m_jumpPage : page + m_jumpPage; } \
                                                                                                                    \
private:                                                                                                            \
    int m_jumpPage = 0;                                                                                             \
    Wz::TJumpMode m_jumpMode = Wz::TJumpMode::jmAbsolut;
