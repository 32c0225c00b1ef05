#pragma once

#include <QString>

// What a picture mask says of a text.
enum TdqPictureResult
{
    picComplete,         // the text satisfies the mask completely
    picIncomplete,       // the text is a valid beginning; more is required
    picEmpty,            // the text is empty
    picError,            // the text does not fit the mask
    picSyntax,           // the mask itself is malformed
    picAmbiguous,        // complete, but the mask would accept more
    picIncompleteNoFill, // incomplete, and automatic filling must not run
};

// Checks a text against a picture mask and, on request, completes it. The mask language:
//   #  a digit                 ?  a letter (A-Z, a-z or any character above code 128)
//   &  a letter, upper-cased   ~  a letter, lower-cased
//   !  any character, upper-cased                      @  any character
//   ;  the next character is a literal               *n  the next item n times (*: any times)
//   [ ]  an optional group     { }  a group            ,  separates alternatives
// Any other character is a literal compared without regard to ASCII case and stored in the
// mask's spelling; a blank typed last where a literal is due becomes that literal. Positions and
// counts have no limit of their own. A malformed mask never raises: it rejects every non-empty
// text.
class TdqPictureValidator
{
public:
    TdqPictureValidator(const QString &mask, bool autoFill);
    virtual ~TdqPictureValidator() = default;

    // 0: usable; 1: the mask is malformed.
    int State() const { return state_; }
    QString Mask() const { return mask_; }

    // True without a mask; otherwise false only when s does not fit. s is completed in place
    // when filling is on and not suppressed.
    virtual bool AcceptsInput(QString &s, bool suppressFill);
    // True without a mask, or when s fits the mask completely or is empty.
    virtual bool AcceptsValue(const QString &s);
    virtual TdqPictureResult CheckPicture(QString &input, bool autoFill);

private:
    QString mask_;
    bool fill_ = false;
    int state_ = 0;
};
