#pragma once

#include "platform/core/errors.h"

// Failures of the styled controls. Each is raised where the library cannot go on and is shown by
// whoever called it through the message service.
class EStyError : public Exception
{
public:
    using Exception::Exception;
};

// A form design that names a property the component does not have, or holds a value of the wrong
// kind for it.
class EStyDesignError : public EStyError
{
public:
    using EStyError::EStyError;
};

// A bitmap whose pixels are not in the format a routine works on (24 bits).
class EStyWrongPixelFormat : public EStyError
{
public:
    using EStyError::EStyError;
};

// A second start of a program that allows one instance only.
class StyEOneInstError : public EStyError
{
public:
    using EStyError::EStyError;
};

// Sound data that is no wave, or whose header lies about its lengths.
class EInvalidWave : public EStyError
{
public:
    using EStyError::EStyError;
};

// A drawing request on a graphic that cannot do it (an empty bitmap, for example).
class EInvalidGraphicOperation : public EStyError
{
public:
    using EStyError::EStyError;
};

// A pool, a handle table or a buffer that has nothing left to give.
class EOutOfResources : public EStyError
{
public:
    using EStyError::EStyError;
};
