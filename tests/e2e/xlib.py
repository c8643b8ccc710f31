"""Minimal Xlib access through ctypes: window pictures and the close request a
window manager sends. Keys and clicks go through xdotool; this only reads the
screen and asks a window to close, which xdotool of this vintage cannot."""

import ctypes
import ctypes.util


class _XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int),
        ("height", ctypes.c_int),
        ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int),
        ("data", ctypes.c_void_p),
        ("byte_order", ctypes.c_int),
        ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int),
        ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int),
        ("red_mask", ctypes.c_ulong),
        ("green_mask", ctypes.c_ulong),
        ("blue_mask", ctypes.c_ulong),
    ]


class _XClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("l", ctypes.c_long * 5),
    ]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessageEvent), ("pad", ctypes.c_long * 24)]


class _XWindowAttributes(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_int),
        ("y", ctypes.c_int),
        ("width", ctypes.c_int),
        ("height", ctypes.c_int),
        ("border_width", ctypes.c_int),
        ("depth", ctypes.c_int),
        ("visual", ctypes.c_void_p),
        ("root", ctypes.c_ulong),
        ("c_class", ctypes.c_int),
        ("bit_gravity", ctypes.c_int),
        ("win_gravity", ctypes.c_int),
        ("backing_store", ctypes.c_int),
        ("backing_planes", ctypes.c_ulong),
        ("backing_pixel", ctypes.c_ulong),
        ("save_under", ctypes.c_int),
        ("colormap", ctypes.c_ulong),
        ("map_installed", ctypes.c_int),
        ("map_state", ctypes.c_int),
        ("all_event_masks", ctypes.c_long),
        ("your_event_mask", ctypes.c_long),
        ("do_not_propagate_mask", ctypes.c_long),
        ("override_redirect", ctypes.c_int),
        ("screen", ctypes.c_void_p),
    ]


_ZPixmap = 2
_ClientMessage = 33
_AllPlanes = ctypes.c_ulong(0xFFFFFFFF)


class Picture:
    """A window's pixels, 32 bits each (B, G, R, unused)."""

    def __init__(self, width, height, stride, data):
        self.width, self.height, self.stride, self.data = width, height, stride, data

    def pixel(self, x, y):
        """(r, g, b) at (x, y); None outside the picture."""
        if not (0 <= x < self.width and 0 <= y < self.height):
            return None
        i = y * self.stride + x * 4
        return (self.data[i + 2], self.data[i + 1], self.data[i])

    def region(self, x, y, w, h):
        """The bytes of a rectangle, for comparing two pictures of one place."""
        rows = []
        for yy in range(max(0, y), min(self.height, y + h)):
            start = yy * self.stride + max(0, x) * 4
            rows.append(self.data[start : start + max(0, min(w, self.width - x)) * 4])
        return b"".join(rows)

    def save_ppm(self, path):
        with open(path, "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (self.width, self.height))
            row = bytearray(self.width * 3)
            for y in range(self.height):
                line = self.data[y * self.stride : y * self.stride + self.width * 4]
                row[0::3] = line[2::4]
                row[1::3] = line[1::4]
                row[2::3] = line[0::4]
                out.write(row)


class Display:
    def __init__(self, name):
        path = ctypes.util.find_library("X11") or "libX11.so.6"
        self._x = x = ctypes.CDLL(path)
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XGetImage.restype = ctypes.POINTER(_XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                 ctypes.POINTER(_XEvent)]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                           ctypes.POINTER(_XWindowAttributes)]
        x.XSetErrorHandler.restype = ctypes.c_void_p
        self._handler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(
            lambda d, e: 0)
        x.XSetErrorHandler(self._handler)  # a window gone meanwhile is no reason to exit
        self._dpy = x.XOpenDisplay(name.encode())
        if not self._dpy:
            raise RuntimeError("cannot open X display " + name)

    def close(self):
        if self._dpy:
            self._x.XCloseDisplay(self._dpy)
            self._dpy = None

    def size(self, window):
        """(width, height) of a mapped window, None when it is not viewable."""
        attrs = _XWindowAttributes()
        if not self._x.XGetWindowAttributes(self._dpy, window, ctypes.byref(attrs)):
            return None
        if attrs.map_state != 2:  # IsViewable
            return None
        return attrs.width, attrs.height

    def picture(self, window):
        """The window's pixels now, None when it cannot be read (not mapped)."""
        size = self.size(window)
        if size is None:
            return None
        w, h = size
        image = self._x.XGetImage(self._dpy, window, 0, 0, w, h, _AllPlanes, _ZPixmap)
        if not image:
            return None
        im = image.contents
        if im.bits_per_pixel != 32:
            self._x.XDestroyImage(image)
            raise RuntimeError("expected a 32-bit visual, got %d" % im.bits_per_pixel)
        data = ctypes.string_at(im.data, im.bytes_per_line * im.height)
        result = Picture(im.width, im.height, im.bytes_per_line, data)
        self._x.XDestroyImage(image)
        return result

    def ask_to_close(self, window):
        """What a window manager does when the user clicks the close box: a
        WM_DELETE_WINDOW message of the WM_PROTOCOLS kind."""
        x = self._x
        event = _XEvent()
        event.xclient.type = _ClientMessage
        event.xclient.window = window
        event.xclient.message_type = x.XInternAtom(self._dpy, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.l[0] = x.XInternAtom(self._dpy, b"WM_DELETE_WINDOW", 0)
        event.xclient.l[1] = 0  # CurrentTime
        x.XSendEvent(self._dpy, window, 0, 0, ctypes.byref(event))
        x.XSync(self._dpy, 0)
