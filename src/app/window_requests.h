#pragma once

// What a window asks of the other windows. A window knows no other window: it asks here, and the composition root
// (AppContext), which alone knows the windows, carries the request out.
class WindowRequests
{
public:
    /// Shows the About window.
    virtual void showAboutWindow() = 0;
    /// Shows the Alarm Set window, restored and on top.
    virtual void showAlarmSetWindow() = 0;
    /// Shows the wallpaper window, restored and on top.
    virtual void showWallpaperWindow() = 0;
    /// Opens the message input for the selected line of the day's lists.
    virtual void showMessageInput() = 0;
    /// The message input window closed: the Alarm Set window, if loaded, shows its list area again.
    virtual void messageInputClosed() = 0;

    /// No notification area was found in time: the window offering the tray menu is shown (made on first use).
    virtual void showTrayFallback() = 0;
    /// The notification area appeared: the window offering the tray menu, if made, is hidden.
    virtual void hideTrayFallback() = 0;

    /// The error list window was dismissed: it goes, and its lines with it.
    virtual void errorListClosed() = 0;

protected:
    ~WindowRequests() = default;
};
