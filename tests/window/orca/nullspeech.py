# SPDX-FileCopyrightText: 2026 the drivelist authors
# SPDX-License-Identifier: MIT

"""A speech server for Orca that speaks nothing: Orca logs every utterance before it hands it to
its server, so a test needs neither a synthesizer nor a sound device. The base class's speaking
methods already do nothing; this one only names itself and has no voices."""

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
