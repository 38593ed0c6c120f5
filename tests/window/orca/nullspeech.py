# SPDX-FileCopyrightText: 2026 the drivelist authors
# SPDX-License-Identifier: MIT

"""A speech server for Orca that speaks nothing: Orca logs every utterance before it hands it to
its server, so a test needs neither a synthesizer nor a sound device."""

from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _active = None

    @staticmethod
    def getFactoryName():
        return "silence"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._active is None:
            SpeechServer._active = SpeechServer()
        return SpeechServer._active

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._active = None

    def getInfo(self):
        return ["silence", "silence"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        pass

    def speakCharacter(self, character, acss=None):
        pass

    def speakKeyEvent(self, event, acss=None):
        pass

    def sayAll(self, utteranceIterator, progressCallback):
        for _ in utteranceIterator:
            pass

    def stop(self):
        pass

    def shutdown(self):
        pass

    def reset(self, text=None, acss=None):
        pass
