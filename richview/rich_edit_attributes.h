// TOvTextAttributes and TOvParaAttributes: the character format of the selection, of the default
// text or of the word under the caret, and the paragraph format of the selection, read from and
// written to the view's control.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <string>

#include "framework/graphics/font.h"
#include "framework/core/persistent.h"

namespace ov {

class TOvCustomRichEdit;

class TOvTextAttributes : public TPersistent {
    OV_CLASS(TOvTextAttributes, TPersistent)

    TOvTextAttributes(TOvCustomRichEdit& view, int type) : view_(view), type_(type) {}

    [[nodiscard]] std::wstring Name() const;
    void SetName(const std::wstring& value);
    // Points.
    [[nodiscard]] int Size() const;
    void SetSize(int value);
    // Pixels at the screen's density.
    [[nodiscard]] int Height() const;
    void SetHeight(int value);
    [[nodiscard]] TColor Color() const;
    void SetColor(TColor value);
    [[nodiscard]] TFontStyles Style() const;
    void SetStyle(TFontStyles value);
    [[nodiscard]] TFontPitch Pitch() const;
    void SetPitch(TFontPitch value);
    [[nodiscard]] TFontCharset Charset() const;
    void SetCharset(TFontCharset value);
    [[nodiscard]] bool Protected() const;
    void SetProtected(bool value);
    // The CFM_* members that are the same over the whole range.
    [[nodiscard]] DWORD ConsistentAttributes() const;

    // From a TFont or another attributes object.
    void Assign(const TPersistent& source) override;

protected:
    void AssignTo(TPersistent& dest) const override;

private:
    [[nodiscard]] CHARFORMAT2W Get() const;
    void Set(CHARFORMAT2W format, DWORD mask);

    TOvCustomRichEdit& view_;
    int type_;
};

enum TParaAlignment { paraLeftJustify, paraRightJustify, paraCenter, paraJustify };
enum TNumberingStyle { nsNone, nsBullet };

class TOvParaAttributes : public TPersistent {
    OV_CLASS(TOvParaAttributes, TPersistent)

    explicit TOvParaAttributes(TOvCustomRichEdit& view) : view_(view) {}

    // Setting paraJustify switches on AdvancedTypography first when AutoAdvancedTypography asks.
    [[nodiscard]] TParaAlignment Alignment() const;
    void SetAlignment(TParaAlignment value);
    // Indents in points.
    [[nodiscard]] int FirstIndent() const;
    void SetFirstIndent(int value);
    [[nodiscard]] int LeftIndent() const;
    void SetLeftIndent(int value);
    [[nodiscard]] int RightIndent() const;
    void SetRightIndent(int value);
    [[nodiscard]] TNumberingStyle Numbering() const;
    void SetNumbering(TNumberingStyle value);
    // Tab stops in points.
    [[nodiscard]] int TabCount() const;
    [[nodiscard]] int Tab(int index) const;
    void SetTab(int index, int value);
    void SetTabCount(int value);
    // Right-to-left reading order.
    [[nodiscard]] bool RightToLeft() const;
    void SetRightToLeft(bool value);

    void Assign(const TPersistent& source) override;

private:
    [[nodiscard]] PARAFORMAT2 Get() const;
    void Set(PARAFORMAT2 format, DWORD mask);

    TOvCustomRichEdit& view_;
};

}  // namespace ov
